#pragma once

#include "rb/FolderItem.h"
#include "rb/Object.h"

namespace rb {

// The application object. A program derives its own and registers it with
// RuntimeRegisterAppObject during start-up.
class Application : public Object {
public:
    Application();
    ~Application() override;

    // Raised once when the event loop starts, before any window's Open event.
    virtual void Event_Open() {}

    Ref<FolderItem> ExecutableFile() const;
};

void RuntimeRegisterAppObject(Ref<Application> application);
Ref<Application> GetAppObject();

} // namespace rb
