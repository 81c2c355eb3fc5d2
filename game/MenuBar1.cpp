#include "MenuBar1.h"

#include "rb/AppleMenuItem.h"
#include "rb/PrefsMenuItem.h"
#include "rb/QuitMenuItem.h"

#include <span>

namespace {

enum class Kind { Item, Quit, Prefs, About };

struct Row {
    const char* menu; // the menu the entry goes into; nullptr for a menu title
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut; // nullptr: not set at all (the separators)
};

constexpr Row fileMenu[] = {
    {nullptr, "FileMenu", Kind::Item, "&File", ""},
    {"FileMenu", "FileNew", Kind::Item, "New Game", ""},
    {"FileMenu", "FileShowPrefs", Kind::Item, "ShowPrefs...", ""},
    {"FileMenu", "FileQuit", Kind::Quit, "&Quit", "Cmd+Q"},
};

constexpr Row editMenu[] = {
    {nullptr, "EditMenu", Kind::Item, "&Edit", ""},
    {"EditMenu", "EditUndo", Kind::Item, "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", Kind::Item, "-", nullptr},
    {"EditMenu", "EditCut", Kind::Item, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", Kind::Item, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", Kind::Item, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", Kind::Item, "&Delete", ""},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", nullptr},
    {"EditMenu", "EditSelectAll", Kind::Item, "Select &All", "Cmd+A"},
    {"EditMenu", "EditPreferences", Kind::Prefs, "Preferences...", ""},
    {"EditMenu", "EditAboutNubrello", Kind::About, "About Nubrello...", ""},
};

rb::Ref<MenuBar1>& ImplicitInstance()
{
    static rb::Ref<MenuBar1> instance;
    return instance;
}

rb::Ref<rb::MenuItem> NewItem(Kind kind)
{
    switch (kind) {
    case Kind::Quit:
        return rb::New<rb::QuitMenuItem>();
    case Kind::Prefs:
        return rb::New<rb::PrefsMenuItem>();
    case Kind::About:
        return rb::New<rb::AppleMenuItem>();
    case Kind::Item:
        break;
    }
    return rb::New<rb::MenuItem>();
}

void AppendRows(rb::MenuItem& bar, std::span<const Row> rows)
{
    for (const Row& row : rows) {
        rb::Ref<rb::MenuItem> item = NewItem(row.kind);
        item->Constructor();
        item->Name(row.name);
        item->AutoEnable(true);
        item->Text(row.text);
        if (row.shortcut != nullptr)
            item->KeyboardShortcut(row.shortcut);
        if (row.menu == nullptr)
            bar.Append(item);
        else
            bar.Child(row.menu)->Append(item);
    }
}

} // namespace

rb::Ref<MenuBar1> MenuBar1::Instance()
{
    if (ImplicitInstance().IsNil()) {
        ImplicitInstance() = rb::New<MenuBar1>();
        ImplicitInstance()->Constructor();
    }
    return ImplicitInstance();
}

void MenuBar1::Exit()
{
    ImplicitInstance() = nullptr;
}

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0()
{
    AppendRows(*this, fileMenu);
}

void MenuBar1::Untitled1()
{
    AppendRows(*this, editMenu);
}
