#pragma once

#include "rb/FolderItem.h"
#include "rb/Object.h"

namespace rb {

class MenuBar;

// The application object. A program derives its own and registers it with
// RuntimeRegisterAppObject during start-up.
class Application : public Object {
public:
    Application();
    ~Application() override;

    // Raised once when the event loop starts, before any window's Open event.
    virtual void Event_Open() {}

    Ref<FolderItem> ExecutableFile() const;

    // The application's menu bar (the bar of windows that have none of their own).
    Ref<rb::MenuBar> MenuBar() const;
    void MenuBar(Ref<rb::MenuBar> bar);

private:
    Ref<rb::MenuBar> menuBar_;
};

void RuntimeRegisterAppObject(Ref<Application> application);
Ref<Application> GetAppObject();

// The program's executable file, whether or not an application object exists.
Ref<FolderItem> ExecutableFile();

// The bundle's resources: the child "Resources" of the folder two levels above
// the executable file, as Child gives it (nil included). A nil executable file
// or parent folder throws NilObjectException.
Ref<FolderItem> GetApplicationBundleResources();

} // namespace rb
