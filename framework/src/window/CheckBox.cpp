#include "rb/CheckBox.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"

#include <QCheckBox>

namespace rb {

void CheckBox::Caption(const std::string& caption)
{
    caption_ = caption;
    UpdateWidget();
}

bool CheckBox::Value() const
{
    return State() == 1;
}

void CheckBox::Value(bool value)
{
    State(value ? 1 : 0);
}

std::int32_t CheckBox::State() const
{
    return state_;
}

void CheckBox::State(std::int32_t state)
{
    state_ = state;
    UpdateWidget();
}

void CheckBox::MakeWidget()
{
    auto* box = new QCheckBox(ControlWidget::ParentFor(*this));
    // What the player sets is the state, so that a later change of the
    // box's look does not undo it.
    QObject::connect(box, &QCheckBox::stateChanged, box, [this](int state) {
        state_ = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
    });
    ControlWidget::Attach(*this, box);
}

void CheckBox::UpdateWidget()
{
    auto* box = WidgetAs<QCheckBox>(*this);
    if (box == nullptr)
        return;
    UpdateTextStyle();
    box->setText(QString::fromStdString(caption_));
    box->setTristate(state_ == 2);
    box->setCheckState(state_ == 1 ? Qt::Checked : state_ == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::DescribeProperties(PropertyTable& table)
{
    TextControl::DescribeProperties(table);
    table.String("Caption", [this](const std::string& v) { Caption(v); });
    table.Boolean("Value", [this](bool v) { Value(v); });
    table.Integer("State", [this](std::int32_t v) { State(v); });
}

} // namespace rb
