#include "window/EditCommands.h"

#include "rb/TextEdit.h"
#include "window/ControlEvents.h"
#include "window/EditWidget.h"
#include "window/KeyFilter.h"
#include "window/TextEntry.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <array>

namespace rb::editing {
namespace {

struct Command {
    const char* itemName;
    const char* text; // in the context menu
    bool (*canAct)(const EditWidget&);
    void (*act)(TextEdit&, const EditWidget&);
};

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

// Erases the selection as the delete key does, unless KeyDown swallows it.
void Erase(TextEdit& edit, const EditWidget& widget)
{
    Ref<TextEdit> keepAlive(&edit);
    if (!ControlEvents::KeyDown(edit, "\b"))
        widget.RemoveSelection();
}

void Copy(const EditWidget& widget)
{
    QGuiApplication::clipboard()->setText(widget.SelectedText());
}

bool HasSelection(const EditWidget& widget)
{
    return !widget.SelectedText().isEmpty();
}

const std::array<Command, 6>& Commands()
{
    static const std::array<Command, 6> commands{{
        {"EditUndo", "Undo", [](const EditWidget& w) { return w.Editable() && w.CanUndo(); },
         [](TextEdit&, const EditWidget& w) { w.Undo(); }},
        {"EditCut", "Cut", [](const EditWidget& w) { return w.Editable() && w.Copyable() && HasSelection(w); },
         [](TextEdit& edit, const EditWidget& w) {
             Copy(w);
             Erase(edit, w);
         }},
        {"EditCopy", "Copy", [](const EditWidget& w) { return w.Copyable() && HasSelection(w); },
         [](TextEdit&, const EditWidget& w) { Copy(w); }},
        {"EditPaste", "Paste", [](const EditWidget& w) { return w.Editable() && !ClipboardText().isEmpty(); },
         [](TextEdit& edit, const EditWidget&) { TextEntry::Type(edit, ClipboardText()); }},
        {"EditClear", "Delete", [](const EditWidget& w) { return w.Editable() && HasSelection(w); }, Erase},
        {"EditSelectAll", "Select All", [](const EditWidget& w) { return w.Length() > 0 && !w.AllSelected(); },
         [](TextEdit&, const EditWidget& w) { w.SelectAll(); }},
    }};
    return commands;
}

const Command* Find(const std::string& itemName)
{
    for (const Command& command : Commands())
        if (itemName == command.itemName)
            return &command;
    return nullptr;
}

QPointer<QWidget>& FocusBeforeMenuBar()
{
    static QPointer<QWidget> focus;
    return focus;
}

} // namespace

bool CanAct(const std::string& itemName, TextEdit& edit)
{
    const Command* command = Find(itemName);
    return command && command->canAct(EditWidget(edit));
}

void Act(const std::string& itemName, TextEdit& edit)
{
    if (const Command* command = Find(itemName); command && command->canAct(EditWidget(edit)))
        command->act(edit, EditWidget(edit));
}

void WatchFocus()
{
    static QPointer<QCoreApplication> watched;
    if (watched == QCoreApplication::instance() || qApp == nullptr)
        return;
    watched = qApp;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget* now) {
        if (qobject_cast<QMenuBar*>(now) && !qobject_cast<QMenuBar*>(old))
            FocusBeforeMenuBar() = old;
    });
}

Ref<TextEdit> FocusedEdit()
{
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QMenuBar*>(focus))
        focus = FocusBeforeMenuBar();
    return focus ? KeyFilter::EditOf(*focus) : Ref<TextEdit>();
}

QMenu* ContextMenu(TextEdit& edit, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    Ref<TextEdit> target(&edit);
    for (const Command& command : Commands()) {
        if (command.itemName == std::string("EditCut") || command.itemName == std::string("EditSelectAll"))
            menu->addSeparator();
        QAction* action = menu->addAction(QString::fromLatin1(command.text));
        action->setEnabled(command.canAct(EditWidget(edit)));
        const std::string name = command.itemName;
        QObject::connect(action, &QAction::triggered, action, [target, name] { Act(name, *target); });
    }
    return menu;
}

} // namespace rb::editing
