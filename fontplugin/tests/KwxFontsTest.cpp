#include "KwxFontsTest.h"

#include <platform/FileSpecs.h>
#include <platform/FontManager.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace kwxtest {

namespace {

FSSpec SpecOf(const std::string& path)
{
    FSSpec spec{};
    if (!platform::FSSpecFromPath(path, &spec))
        throw std::runtime_error("no FSSpec for " + path);
    return spec;
}

const FontFolder& SuiteFolder()
{
    static const FontFolder folder;
    return folder;
}

} // namespace

ActiveFont::ActiveFont(std::string path) : path_(std::move(path))
{
    const FSSpec spec = SpecOf(path_);
    if (FMActivateFonts(&spec, nullptr, nullptr, kFMLocalActivationContext) != noErr)
        throw std::runtime_error("cannot activate " + path_);
}

ActiveFont::~ActiveFont()
{
    const FSSpec spec = SpecOf(path_);
    FMDeactivateFonts(&spec, nullptr, nullptr, kFMLocalActivationContext);
}

void KwxFontsTest::SetUpTestSuite()
{
    LoadPluginWith(&CallbackSpy::Resolve);
    // Active for the rest of the program.
    static const auto fonts = [] {
        std::vector<std::unique_ptr<ActiveFont>> active;
        active.push_back(std::make_unique<ActiveFont>(KidprintFile()));
        for (const char* name : {"PlatformTest-Regular.ttf", "PlatformTest-Bold.ttf", "PlatformTest-Italic.otf"})
            active.push_back(std::make_unique<ActiveFont>(SuiteFolder().Copy(TestData(name), name)));
        return active;
    }();
    (void)fonts;
}

void KwxFontsTest::SetUp()
{
    CallbackSpy::Clear();
    FontManagerSpy::Clear();
}

void KwxFontsTest::TearDown()
{
    FontManagerSpy::Clear();
}

std::string KwxFontsTest::TestFontFile(std::string_view dataName)
{
    return SuiteFolder().Path(dataName);
}

std::vector<ActivatedFont> KwxFontsTest::ActivatedFonts()
{
    return {
        {kKidprintFamily, 0, KidprintFile()},
        {kTestFamilyMacRoman, 0, TestFontFile("PlatformTest-Regular.ttf")},
        {kTestFamilyMacRoman, kBold, TestFontFile("PlatformTest-Bold.ttf")},
    };
}

Ref<Object> KwxFontsTest::FamilyNamed(std::string_view name)
{
    const Ref<Object> text = MacRomanString(name);
    return rb::AdoptPluginResult(CallGlobal<void*>("GetFontFamilyKWX(name as string) as FontFamilyKWX",
                                                   rb::HostObjectOf(text)));
}

Ref<Object> KwxFontsTest::NewInstance(std::string_view className)
{
    return rb::NewPluginInstance(className);
}

} // namespace kwxtest
