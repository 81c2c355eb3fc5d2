#include "rb/TextField.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"
#include "window/KeyFilter.h"
#include "window/QtText.h"
#include "window/TextEntry.h"

#include <QLineEdit>

namespace rb {

std::string TextField::Text() const
{
    const auto* field = WidgetAs<QLineEdit>(*this);
    return field ? field->text().toStdString() : text_;
}

void TextField::Text(const std::string& text)
{
    text_ = text;
    if (auto* field = WidgetAs<QLineEdit>(*this))
        field->setText(QString::fromStdString(text));
}

void TextField::Password(bool password)
{
    password_ = password;
    UpdateWidget();
}

void TextField::MakeWidget()
{
    auto* field = new QLineEdit(QString::fromStdString(text_), ControlWidget::ParentFor(*this));
    new KeyFilter(*this, field);
    new TextEntry(*this, field);
    ControlWidget::Attach(*this, field);
}

void TextField::UpdateWidget()
{
    auto* field = WidgetAs<QLineEdit>(*this);
    if (field == nullptr)
        return;
    UpdateEditStyle();
    field->setMaxLength(LimitText() > 0 ? LimitText() : 32767);
    field->setAlignment(EditAlignment(Alignment()) | Qt::AlignVCenter);
    field->setReadOnly(ReadOnly());
    field->setFrame(Border());
    field->setEchoMode(password_ ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::DescribeProperties(PropertyTable& table)
{
    TextEdit::DescribeProperties(table);
    table.Boolean("Password", [this](bool v) { Password(v); });
    table.String("CueText", [this](const std::string& v) {
        StoreProperty("CueText", v);
        if (auto* field = WidgetAs<QLineEdit>(*this))
            field->setPlaceholderText(QString::fromStdString(v));
    });
}

} // namespace rb
