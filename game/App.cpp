#include "App.h"

#include "Module1.h"
#include "PluginEntrypoints.h"
#include "PreferencesFile.h"
#include "preferencewindow.h"

#include "rb/BinaryStream.h"

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
    const rb::Ref<rb::FolderItem> file = PreferencesFile::Item();
    if (!file->Exists())
        return;
    const rb::Ref<rb::BinaryStream> stream = file->OpenAsBinaryFile(false);
    if (stream.IsNil())
        return;
    if (const auto values = PreferencesFile::Read(*stream)) {
        Module1::ratio = values->ratio;
        app.preferred = values->preferred;
        app.quiet = values->quiet;
    }
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
