#include "rb/GroupBox.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"

#include <QGroupBox>

namespace rb {

void GroupBox::Caption(const std::string& caption)
{
    caption_ = caption;
    UpdateWidget();
}

void GroupBox::MakeWidget()
{
    ControlWidget::Attach(*this, new QGroupBox(ControlWidget::ParentFor(*this)));
}

void GroupBox::UpdateWidget()
{
    auto* box = WidgetAs<QGroupBox>(*this);
    if (box == nullptr)
        return;
    UpdateTextStyle();
    box->setTitle(QString::fromStdString(caption_));
}

void GroupBox::DescribeProperties(PropertyTable& table)
{
    TextControl::DescribeProperties(table);
    table.String("Caption", [this](const std::string& v) { Caption(v); });
}

} // namespace rb
