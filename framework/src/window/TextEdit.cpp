#include "rb/TextEdit.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"

#include <QFrame>

namespace rb {

void TextEdit::LimitText(std::int32_t limit)
{
    limit_ = limit;
    UpdateWidget();
}

void TextEdit::Alignment(std::int32_t alignment)
{
    alignment_ = alignment;
    UpdateWidget();
}

void TextEdit::ReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    UpdateWidget();
}

void TextEdit::Border(bool border)
{
    border_ = border;
    UpdateWidget();
}

void TextEdit::BackColor(std::uint32_t rgb)
{
    backColor_ = rgb;
    UpdateWidget();
}

void TextEdit::UpdateEditStyle()
{
    QWidget* widget = WidgetAs<QWidget>(*this);
    if (widget == nullptr)
        return;
    UpdateTextStyle();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(backColor_));
    widget->setPalette(palette);
}

std::string_view TextEdit::EventSignature(std::string_view event) const
{
    return event == "KeyDown" ? "( String ) as Boolean" : TextControl::EventSignature(event);
}

void TextEdit::DescribeProperties(PropertyTable& table)
{
    using Type = PropertyTable::Type;
    TextControl::DescribeProperties(table);
    table.String("Text", [this](const std::string& v) { Text(v); });
    table.Integer("LimitText", [this](std::int32_t v) { LimitText(v); });
    table.Integer("Alignment", [this](std::int32_t v) { Alignment(v); });
    table.Boolean("ReadOnly", [this](bool v) { ReadOnly(v); });
    table.Boolean("Border", [this](bool v) { Border(v); });
    table.Color("BackColor", [this](std::uint32_t v) { BackColor(v); });
    table.Stored("Format", Type::String);
    table.Stored("Mask", Type::String);
}

} // namespace rb
