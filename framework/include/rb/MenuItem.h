#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rb {

class Window;

// An entry of a menu tree: the bar is the root, its children are the menus,
// their children the entries. A Text of "-" is a separator; "&" before a
// letter marks its mnemonic.
class RB_FRAMEWORK_EXPORT MenuItem : public Object {
public:
    MenuItem() = default;

    // Parameterless construction, kept for the program's item classes.
    virtual void Constructor() {}

    const std::string& Name() const noexcept { return name_; }
    void Name(const std::string& name);
    bool AutoEnable() const noexcept { return autoEnable_; }
    void AutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    const std::string& Text() const noexcept { return text_; }
    void Text(const std::string& text);
    // "Cmd+Q": modifiers Cmd (the platform's command key, Ctrl here), Shift,
    // Option (Alt) and Ctrl, then the key. Empty is no shortcut.
    const std::string& KeyboardShortcut() const noexcept { return shortcut_; }
    void KeyboardShortcut(const std::string& shortcut);

    // The direct child of that Name, or nil.
    Ref<MenuItem> Child(const std::string& name) const;
    void Append(Ref<MenuItem> item);
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(children_.size()); }
    // The child at that position, from 0; OutOfBoundsException outside.
    Ref<MenuItem> Item(std::int32_t index) const;

    // What choosing the item does once no window handled it. The Edit menu's
    // editing items, by their Names EditUndo, EditCut, EditCopy, EditPaste,
    // EditClear (Delete) and EditSelectAll, act on the text control that has
    // the keyboard focus in the active window; any other ordinary item does
    // nothing.
    virtual void Unhandled();
    // Whether Unhandled would do something now.
    virtual bool ActsUnhandled() const;

    // Chooses the item as the player would, the window being the one whose
    // menu bar holds it: the active window's handler under the item's Name
    // runs, else that window's; when none says handled, Unhandled.
    void Choose(Ref<Window> window);

    // Whether the item's entry on that window's bar is enabled: always without
    // AutoEnable; with it, while a handler of the active window or of that
    // window takes the item, or Unhandled would act.
    bool Enabled(Ref<Window> window) const;

    // Moves on at every change to any menu tree, so that shown bars can tell
    // when they are stale.
    static std::uint64_t Generation() noexcept;

private:
    std::string name_;
    bool autoEnable_ = false;
    std::string text_;
    std::string shortcut_;
    std::vector<Ref<MenuItem>> children_;
};

} // namespace rb
