#include "rb/Application.h"

#include "rb/Runtime.h"

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
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? Ref<FolderItem>() : New<FolderItem>(path);
}

void RuntimeRegisterAppObject(Ref<Application> application)
{
    RegisteredApplication() = std::move(application);
}

Ref<Application> GetAppObject()
{
    return RegisteredApplication();
}

} // namespace rb
