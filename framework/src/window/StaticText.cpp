#include "rb/StaticText.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"
#include "window/QtText.h"

#include <QLabel>

namespace rb {

void StaticText::Text(const std::string& text)
{
    text_ = text;
    UpdateWidget();
}

void StaticText::TextAlign(std::int32_t align)
{
    align_ = align;
    UpdateWidget();
}

void StaticText::Multiline(bool multiline)
{
    multiline_ = multiline;
    UpdateWidget();
}

void StaticText::MakeWidget()
{
    auto* label = new QLabel(ControlWidget::ParentFor(*this));
    label->setTextFormat(Qt::PlainText);
    ControlWidget::Attach(*this, label);
}

void StaticText::UpdateWidget()
{
    auto* label = WidgetAs<QLabel>(*this);
    if (label == nullptr)
        return;
    UpdateTextStyle();
    label->setText(ToQtText(text_));
    label->setWordWrap(multiline_);
    label->setAlignment(HorizontalAlignment(align_) | Qt::AlignTop);
}

void StaticText::DescribeProperties(PropertyTable& table)
{
    TextControl::DescribeProperties(table);
    table.String("Text", [this](const std::string& v) { Text(v); });
    table.Integer("TextAlign", [this](std::int32_t v) { TextAlign(v); });
    table.Boolean("Multiline", [this](bool v) { Multiline(v); });
}

} // namespace rb
