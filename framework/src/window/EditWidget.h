#pragma once

#include <QPoint>
#include <QString>

class QLineEdit;
class QTextEdit;
class QWidget;

namespace rb {

class TextEdit;

// The editing operations of an edit's widget, a one-line QLineEdit or a
// QTextEdit, in the same terms for both. Every operation does nothing on an
// edit whose widget is not made.
class EditWidget {
public:
    explicit EditWidget(const TextEdit& edit);

    QWidget* Widget() const;
    // Not read-only: typing, pasting and deleting may change it.
    bool Editable() const;
    bool OneLine() const { return line_ != nullptr; }
    // Its text may be copied out (not a password field).
    bool Copyable() const;
    qsizetype Length() const;
    QString SelectedText() const;
    bool AllSelected() const;
    // Replaces the selection (or inserts at the caret) as one undo step.
    void Insert(const QString& text) const;
    void RemoveSelection() const;
    bool CanUndo() const;
    void Undo() const;
    void SelectAll() const;
    // Puts the caret at a point of the widget that shows the text (a text
    // area's viewport), the selection dropped.
    void PlaceCaret(QPoint at) const;

private:
    QLineEdit* line_ = nullptr;
    QTextEdit* area_ = nullptr;
};

} // namespace rb
