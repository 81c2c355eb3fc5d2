#include "menu/MenuBarWidget.h"

#include "menu/MenuShortcut.h"
#include "rb/MenuItem.h"
#include "rb/Window.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace rb {
namespace {

// The entry shows its item's state while its menu is open.
void FollowEnabled(QMenu& menu, QAction* action, const Ref<MenuItem>& item, Window& window)
{
    QObject::connect(&menu, &QMenu::aboutToShow, action,
                     [action, item, &window] { action->setEnabled(item->Enabled(Ref<Window>(&window))); });
    QObject::connect(&menu, &QMenu::aboutToHide, action, [action] { action->setEnabled(true); });
}

void AddEntries(QMenu& menu, const MenuItem& parent, Window& window)
{
    for (std::int32_t i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (item->Text() == "-") {
            menu.addSeparator()->setObjectName(QString::fromStdString(item->Name()));
            continue;
        }
        const QString text = QString::fromStdString(item->Text());
        if (item->Count() > 0) {
            QMenu* submenu = menu.addMenu(text);
            submenu->setObjectName(QString::fromStdString(item->Name()));
            AddEntries(*submenu, *item, window);
            continue;
        }
        QAction* action = menu.addAction(text);
        action->setObjectName(QString::fromStdString(item->Name()));
        action->setShortcut(ShortcutFromText(item->KeyboardShortcut()));
        action->setMenuRole(QAction::NoRole);
        FollowEnabled(menu, action, item, window);
        QObject::connect(action, &QAction::triggered, action, [item, &window] { item->Choose(Ref<Window>(&window)); });
    }
}

} // namespace

QMenuBar* BuildMenuBar(const MenuItem& bar, Window& window, QWidget* parent)
{
    auto* widget = new QMenuBar(parent);
    widget->setNativeMenuBar(false);
    for (std::int32_t i = 0; i < bar.Count(); ++i) {
        Ref<MenuItem> menuItem = bar.Item(i);
        QMenu* menu = widget->addMenu(QString::fromStdString(menuItem->Text()));
        menu->setObjectName(QString::fromStdString(menuItem->Name()));
        menu->menuAction()->setObjectName(QString::fromStdString(menuItem->Name()));
        AddEntries(*menu, *menuItem, window);
    }
    return widget;
}

bool IsMenuBarShortcut(const QWidget& widget, const QKeyEvent& key)
{
    const QMenuBar* bar = widget.window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (bar == nullptr)
        return false;
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* menu : bar->actions())
        if (QKeySequence::mnemonic(menu->text()) == pressed)
            return true;
    for (const QAction* action : bar->findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    return false;
}

} // namespace rb
