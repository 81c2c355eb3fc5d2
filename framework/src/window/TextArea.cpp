#include "rb/TextArea.h"

#include "rb/PropertyTable.h"
#include "window/ControlWidget.h"
#include "window/KeyFilter.h"
#include "window/QtText.h"
#include "window/TextEntry.h"

#include <QTextEdit>

namespace rb {
namespace {

// Cuts a pasted or dropped text back to the limit.
void KeepWithinLimit(QTextEdit& area, std::int32_t limit)
{
    const QString text = area.toPlainText();
    if (limit <= 0 || text.size() <= limit)
        return;
    area.setPlainText(text.left(limit));
    area.moveCursor(QTextCursor::End);
}

} // namespace

std::string TextArea::Text() const
{
    const auto* area = WidgetAs<QTextEdit>(*this);
    return area ? FromQtText(area->toPlainText()) : text_;
}

void TextArea::Text(const std::string& text)
{
    text_ = text;
    if (auto* area = WidgetAs<QTextEdit>(*this))
        area->setPlainText(ToQtText(text));
}

void TextArea::MakeWidget()
{
    auto* area = new QTextEdit(ControlWidget::ParentFor(*this));
    area->setAcceptRichText(false);
    area->setTabChangesFocus(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->document()->setDocumentMargin(1);
    area->setPlainText(ToQtText(text_));
    QObject::connect(area, &QTextEdit::textChanged, area, [this, area] { KeepWithinLimit(*area, LimitText()); });
    new KeyFilter(*this, area);
    new TextEntry(*this, area);
    ControlWidget::Attach(*this, area);
}

void TextArea::UpdateWidget()
{
    auto* area = WidgetAs<QTextEdit>(*this);
    if (area == nullptr)
        return;
    UpdateEditStyle();
    area->setReadOnly(ReadOnly());
    area->setFrameShape(Border() ? QFrame::StyledPanel : QFrame::NoFrame);
    QTextOption option = area->document()->defaultTextOption();
    if (option.alignment() != EditAlignment(Alignment())) {
        option.setAlignment(EditAlignment(Alignment()));
        area->document()->setDefaultTextOption(option);
        area->setPlainText(area->toPlainText()); // lays the text out again with the new option
    }
    KeepWithinLimit(*area, LimitText());
}

void TextArea::DescribeProperties(PropertyTable& table)
{
    using Type = PropertyTable::Type;
    TextEdit::DescribeProperties(table);
    table.Boolean("ScrollbarHorizontal", [this](bool v) {
        if (auto* area = WidgetAs<QTextEdit>(*this))
            area->setHorizontalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    });
    table.Boolean("ScrollbarVertical", [this](bool v) {
        if (auto* area = WidgetAs<QTextEdit>(*this))
            area->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    });
    table.Stored("Multiline", Type::Boolean);
    table.Stored("Styled", Type::Boolean);
    table.Stored("HideSelection", Type::Boolean);
}

} // namespace rb
