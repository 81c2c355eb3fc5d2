#include "window/EditWidget.h"

#include "rb/TextEdit.h"
#include "window/ControlWidget.h"

#include <QLineEdit>
#include <QTextEdit>

namespace rb {
namespace {

// A line edit undoes all that changed since its caret last moved as one step:
// a move and back makes the next change a step of its own.
void SeparateUndoStep(QLineEdit& line)
{
    if (line.text().isEmpty())
        return;
    const int caret = line.cursorPosition();
    const int start = line.selectionStart();
    const auto length = static_cast<int>(line.selectedText().size());
    line.setCursorPosition(caret > 0 ? caret - 1 : caret + 1);
    if (length > 0)
        line.setSelection(start, length);
    else
        line.setCursorPosition(caret);
}

} // namespace

EditWidget::EditWidget(const TextEdit& edit) : line_(WidgetAs<QLineEdit>(edit)), area_(WidgetAs<QTextEdit>(edit)) {}

QWidget* EditWidget::Widget() const
{
    return line_ ? static_cast<QWidget*>(line_) : area_;
}

bool EditWidget::Editable() const
{
    return line_ ? !line_->isReadOnly() : area_ && !area_->isReadOnly();
}

bool EditWidget::Copyable() const
{
    return line_ ? line_->echoMode() == QLineEdit::Normal : area_ != nullptr;
}

qsizetype EditWidget::Length() const
{
    return line_ ? line_->text().size() : area_ ? area_->toPlainText().size() : 0;
}

QString EditWidget::SelectedText() const
{
    if (line_)
        return line_->selectedText();
    // A selection across lines holds paragraph separators, not line feeds.
    return area_ ? area_->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')) : QString();
}

bool EditWidget::AllSelected() const
{
    return Length() > 0 && SelectedText().size() == Length();
}

void EditWidget::Insert(const QString& text) const
{
    if (line_) {
        SeparateUndoStep(*line_);
        line_->insert(text);
    } else if (area_) {
        QTextCursor cursor = area_->textCursor();
        cursor.beginEditBlock(); // an undo step of its own
        cursor.insertText(text);
        cursor.endEditBlock();
        area_->setTextCursor(cursor);
    }
}

void EditWidget::RemoveSelection() const
{
    if (line_ && line_->hasSelectedText()) {
        SeparateUndoStep(*line_);
        line_->del();
    } else if (area_) {
        QTextCursor cursor = area_->textCursor();
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
        area_->setTextCursor(cursor);
    }
}

bool EditWidget::CanUndo() const
{
    return line_ ? line_->isUndoAvailable() : area_ && area_->document()->isUndoAvailable();
}

void EditWidget::Undo() const
{
    if (line_)
        line_->undo();
    else if (area_)
        area_->undo();
}

void EditWidget::SelectAll() const
{
    if (line_)
        line_->selectAll();
    else if (area_)
        area_->selectAll();
}

void EditWidget::PlaceCaret(QPoint at) const
{
    if (line_)
        line_->setCursorPosition(line_->cursorPositionAt(at));
    else if (area_)
        area_->setTextCursor(area_->cursorForPosition(at));
}

} // namespace rb
