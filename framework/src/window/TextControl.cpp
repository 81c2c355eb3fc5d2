#include "rb/TextControl.h"

#include "core/ScreenScale.h"
#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"

#include <QApplication>

#include <algorithm>
#include <cmath>

namespace rb {

void TextControl::TextFont(const std::string& font)
{
    font_ = font;
    UpdateWidget();
}

void TextControl::TextSize(float size)
{
    size_ = size;
    UpdateWidget();
}

void TextControl::Bold(bool bold)
{
    bold_ = bold;
    UpdateWidget();
}

void TextControl::Italic(bool italic)
{
    italic_ = italic;
    UpdateWidget();
}

void TextControl::Underline(bool underline)
{
    underline_ = underline;
    UpdateWidget();
}

void TextControl::TextColor(std::uint32_t rgb)
{
    color_ = rgb;
    UpdateWidget();
}

void TextControl::UpdateTextStyle()
{
    QWidget* widget = WidgetAs<QWidget>(*this);
    if (widget == nullptr)
        return;
    QFont font = QApplication::font();
    if (!font_.empty() && font_ != "System")
        font.setFamily(QString::fromStdString(font_));
    if (size_ > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(size_ * ScreenScale::Factor()))));
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(color_));
    palette.setColor(QPalette::Text, QColor::fromRgb(color_));
    widget->setPalette(palette);
}

void TextControl::DescribeProperties(PropertyTable& table)
{
    using Type = PropertyTable::Type;
    RectControl::DescribeProperties(table);
    table.String("TextFont", [this](const std::string& v) { TextFont(v); });
    table.Integer("TextUnit", [this](std::int32_t v) { TextUnit(v); });
    table.Boolean("Bold", [this](bool v) { Bold(v); });
    table.Boolean("Italic", [this](bool v) { Italic(v); });
    table.Boolean("Underline", [this](bool v) { Underline(v); });
    table.Color("TextColor", [this](std::uint32_t v) { TextColor(v); });
    table.Stored("DataSource", Type::String);
    table.Stored("DataField", Type::String);
}

} // namespace rb
