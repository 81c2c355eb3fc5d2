#pragma once

#include "rb/FolderItem.h"
#include "rb/FrameworkExport.h"
#include "rb/Object.h"

namespace rb {

class MenuBar;

// The application object. A program derives its own and registers it with
// RuntimeRegisterAppObject during start-up.
class RB_FRAMEWORK_EXPORT Application : public Object {
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

RB_FRAMEWORK_EXPORT void RuntimeRegisterAppObject(Ref<Application> application);
RB_FRAMEWORK_EXPORT Ref<Application> GetAppObject();

// The program's executable file, whether or not an application object exists.
RB_FRAMEWORK_EXPORT Ref<FolderItem> ExecutableFile();

// The bundle's resources: the child "Resources" of the folder two levels above
// the executable file, as Child gives it (nil included). A nil executable file
// or parent folder throws NilObjectException.
RB_FRAMEWORK_EXPORT Ref<FolderItem> GetApplicationBundleResources();

} // namespace rb
