#include "App.h"

#include "Module1.h"
#include "PluginEntrypoints.h"
#include "preferencewindow.h"

#include "rb/BinaryStream.h"
#include "rb/SpecialFolder.h"

namespace {

void ActivateFont(const App& app)
{
    const rb::Ref<rb::FolderItem> resources = app.ExecutableFile()->Parent()->Parent()->Child("resources");
    const rb::Ref<rb::FolderItem> font = resources->Child("Kidprint Regular.scr");
    const std::int32_t status = FontActivateKWX(font, true);
    (void)status; // the game goes on whether or not the font could be activated
}

// A file shorter than its three values leaves every setting at its default.
void ReadPreferences(App& app)
{
    const rb::Ref<rb::FolderItem> file = rb::SpecialFolder::Preferences()->Child("NubrelloPrefs");
    if (!file->Exists())
        return;
    const rb::Ref<rb::BinaryStream> stream = file->OpenAsBinaryFile(false);
    if (stream.IsNil() || stream->Length() < 10)
        return;
    Module1::ratio = stream->ReadDouble();
    app.preferred = stream->ReadBoolean();
    app.quiet = stream->ReadBoolean();
}

} // namespace

void App::Event_Open()
{
    ActivateFont(*this);
    Module1::dodict();
    ReadPreferences(*this);
    if (!preferred)
        preferencewindow::Instance()->Show();
}

rb::Ref<App> App::Instance()
{
    return rb::GetAppObject().Cast<App>();
}
