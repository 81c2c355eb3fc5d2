#include "rb/Application.h"

#include "rb/MenuBar.h"
#include "rb/Runtime.h"
#include "rb/testing/TestBundle.h"

namespace rb {
namespace {

Ref<Application>& RegisteredApplication()
{
    static Ref<Application> application;
    return application;
}

} // namespace

Application::Application() = default;
Application::~Application() = default;

Ref<FolderItem> Application::ExecutableFile() const
{
    return rb::ExecutableFile();
}

Ref<rb::MenuBar> Application::MenuBar() const
{
    return menuBar_;
}

void Application::MenuBar(Ref<rb::MenuBar> bar)
{
    menuBar_ = std::move(bar);
}

void RuntimeRegisterAppObject(Ref<Application> application)
{
    RegisteredApplication() = std::move(application);
}

Ref<Application> GetAppObject()
{
    return RegisteredApplication();
}

Ref<FolderItem> ExecutableFile()
{
    if (const auto overridden = testing::ExecutableFileOverride(); !overridden.empty())
        return New<FolderItem>(overridden);
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? Ref<FolderItem>() : New<FolderItem>(path);
}

Ref<FolderItem> GetApplicationBundleResources()
{
    Ref<FolderItem> executable = ExecutableFile();
    Ref<FolderItem> bundle = executable->Parent()->Parent();
    return bundle->Child("Resources");
}

} // namespace rb
