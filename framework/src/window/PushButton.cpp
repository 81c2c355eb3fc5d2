#include "rb/PushButton.h"

#include "rb/PropertyTable.h"
#include "window/ControlEvents.h"
#include "window/ControlWidget.h"

#include <QPushButton>

namespace rb {

void PushButton::Caption(const std::string& caption)
{
    caption_ = caption;
    UpdateWidget();
}

void PushButton::Default(bool isDefault)
{
    default_ = isDefault;
    UpdateWidget();
}

void PushButton::Cancel(bool isCancel)
{
    cancel_ = isCancel;
}

void PushButton::Push()
{
    if (Visible() && Enabled())
        ControlEvents::Action(*this);
}

std::string_view PushButton::EventSignature(std::string_view event) const
{
    return event == "Action" ? "(  )" : TextControl::EventSignature(event);
}

void PushButton::MakeWidget()
{
    auto* button = new QPushButton(ControlWidget::ParentFor(*this));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { ControlEvents::Action(*this); });
    ControlWidget::Attach(*this, button);
}

void PushButton::UpdateWidget()
{
    auto* button = WidgetAs<QPushButton>(*this);
    if (button == nullptr)
        return;
    UpdateTextStyle();
    button->setText(QString::fromStdString(caption_));
    button->setDefault(default_);
}

void PushButton::DescribeProperties(PropertyTable& table)
{
    TextControl::DescribeProperties(table);
    table.String("Caption", [this](const std::string& v) { Caption(v); });
    table.Boolean("Default", [this](bool v) { Default(v); });
    table.Boolean("Cancel", [this](bool v) { Cancel(v); });
}

} // namespace rb
