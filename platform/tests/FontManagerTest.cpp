#include <platform/FileSpecs.h>
#include <platform/FontActivation.h>
#include <platform/FontManager.h>

#include "TestFonts.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace platform::test;

struct ActivationEvent {
    std::string path;
    bool activated;
    bool operator==(const ActivationEvent&) const = default;
};

std::vector<ActivationEvent> gEvents;

void RecordActivation(const char* path, bool activated)
{
    gEvents.push_back({path, activated});
}

FMFontFamily FamilyNamed(std::string_view bytes)
{
    return FMGetFontFamilyFromName(Str255Of(bytes).data());
}

std::string NameOf(FMFontFamily family)
{
    Str255 name{};
    EXPECT_EQ(FMGetFontFamilyName(family, name), noErr);
    return StringOf(name);
}

std::string ContainerPathOf(FMFont font)
{
    FSSpec fileSpec{};
    EXPECT_EQ(FMGetFontContainer(font, &fileSpec), noErr);
    return platform::PathFromFSSpec(fileSpec).value_or("");
}

fs::path UserFontFolder()
{
    return fs::path(std::getenv("XDG_DATA_HOME")) / "fonts";
}

// Activations made through the fixture are undone after each test, so that
// every test starts from the machine's own fonts.
class FontManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        gEvents.clear();
        platform::SetFontActivationListener(RecordActivation);
    }

    void TearDown() override
    {
        for (const auto& path : active_) {
            const FSSpec fileSpec = FileSpecOf(path);
            FMDeactivateFonts(&fileSpec, nullptr, nullptr, 0);
        }
        platform::SetFontActivationListener(nullptr);
    }

    OSStatus Activate(const std::string& path, uint32_t options = kFMLocalActivationContext)
    {
        const FSSpec fileSpec = FileSpecOf(path);
        const OSStatus status = FMActivateFonts(&fileSpec, nullptr, nullptr, options);
        if (status == noErr)
            active_.push_back(path);
        return status;
    }

    OSStatus Deactivate(const std::string& path)
    {
        const FSSpec fileSpec = FileSpecOf(path);
        std::erase(active_, path);
        return FMDeactivateFonts(&fileSpec, nullptr, nullptr, 0);
    }

    // The test family, its three files activated for this process.
    FMFontFamily ActivateTestFamily()
    {
        for (const char* file : {"PlatformTest-Regular.ttf", "PlatformTest-Bold.ttf", "PlatformTest-Italic.otf"})
            EXPECT_EQ(Activate(folder_.CopyOfTestFile(file)), noErr) << file;
        return FamilyNamed(kTestFamilyMacRoman);
    }

    TemporaryFolder folder_;
    std::vector<std::string> active_;
};

TEST_F(FontManagerTest, LocalActivationMakesTheFamilyKnownUntilDeactivation)
{
    const std::string path = folder_.CopyOfTestFile("PlatformTest-Regular.ttf", "renamed font.ttf");
    ASSERT_FALSE(FontconfigFamilies().contains(std::string(kTestFamilyUtf8)));
    ASSERT_EQ(FamilyNamed(kTestFamilyMacRoman), 0);
    const uint32_t before = FMGetGeneration();

    ASSERT_EQ(Activate(path), noErr);
    EXPECT_NE(FMGetGeneration(), before);
    EXPECT_TRUE(FontconfigFamilies().contains(std::string(kTestFamilyUtf8)));
    const FMFontFamily family = FamilyNamed(kTestFamilyMacRoman);
    EXPECT_GT(family, 0);
    EXPECT_EQ(NameOf(family), kTestFamilyMacRoman);
    EXPECT_EQ(gEvents, (std::vector<ActivationEvent>{{path, true}}));

    const uint32_t activated = FMGetGeneration();
    ASSERT_EQ(Deactivate(path), noErr);
    EXPECT_NE(FMGetGeneration(), activated);
    EXPECT_FALSE(FontconfigFamilies().contains(std::string(kTestFamilyUtf8)));
    EXPECT_EQ(FamilyNamed(kTestFamilyMacRoman), 0);
    EXPECT_EQ(gEvents.back(), (ActivationEvent{path, false}));
}

TEST_F(FontManagerTest, FamilyNamesAreFoundAsMacRomanOrUtf8IgnoringCase)
{
    const FMFontFamily family = ActivateTestFamily();
    ASSERT_GT(family, 0);
    for (const std::string_view name : {kTestFamilyMacRoman, kTestFamilyUtf8, std::string_view("rb PLATFORM t\x8Est")}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FamilyNamed(name), family);
    }
    TextEncoding encoding = 99;
    EXPECT_EQ(FMGetFontFamilyTextEncoding(family, &encoding), noErr);
    EXPECT_EQ(encoding, kTextEncodingMacRoman);
}

TEST_F(FontManagerTest, NameWithoutMacRomanFormIsGivenAsUtf8)
{
    ASSERT_EQ(Activate(folder_.CopyOfTestFile("PlatformCyrillic-Regular.ttf")), noErr);
    const FMFontFamily family = FamilyNamed(kCyrillicFamilyUtf8);
    ASSERT_GT(family, 0);
    EXPECT_EQ(NameOf(family), kCyrillicFamilyUtf8);
    TextEncoding encoding = 0;
    EXPECT_EQ(FMGetFontFamilyTextEncoding(family, &encoding), noErr);
    EXPECT_EQ(encoding, kTextEncodingUTF8);
}

TEST_F(FontManagerTest, GlobalActivationGoesThroughTheUserFontFolder)
{
    const std::string path = folder_.CopyOfTestFile("PlatformTest-Regular.ttf");
    const fs::path copy = UserFontFolder() / "PlatformTest-Regular.ttf";

    ASSERT_EQ(Activate(path, kFMGlobalActivationContext), noErr);
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_EQ(gEvents, (std::vector<ActivationEvent>{{copy.string(), true}}));
    EXPECT_GT(FamilyNamed(kTestFamilyMacRoman), 0);

    ASSERT_EQ(Deactivate(path), noErr);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(gEvents.back(), (ActivationEvent{copy.string(), false}));
    EXPECT_EQ(FamilyNamed(kTestFamilyMacRoman), 0);
}

TEST_F(FontManagerTest, GlobalActivationNeverReplacesTheUsersOwnFile)
{
    const std::string path = folder_.CopyOfTestFile("PlatformTest-Regular.ttf");
    fs::create_directories(UserFontFolder());
    const fs::path users = UserFontFolder() / "PlatformTest-Regular.ttf";
    fs::copy_file(TestDataPath("PlatformCyrillic-Regular.ttf"), users);

    EXPECT_EQ(Activate(path, kFMGlobalActivationContext), dupFNErr);
    EXPECT_EQ(fs::file_size(users), fs::file_size(TestDataPath("PlatformCyrillic-Regular.ttf")));
    EXPECT_TRUE(gEvents.empty());
    fs::remove(users);
}

TEST_F(FontManagerTest, ActivatingAnActiveFileAgainChangesNothing)
{
    const std::string path = folder_.CopyOfTestFile("PlatformTest-Regular.ttf");
    ASSERT_EQ(Activate(path), noErr);
    const uint32_t generation = FMGetGeneration();
    EXPECT_EQ(Activate(path), noErr);
    EXPECT_EQ(FMGetGeneration(), generation);
    EXPECT_EQ(gEvents.size(), 1u);
    EXPECT_EQ(Deactivate(path), noErr);
    EXPECT_EQ(FamilyNamed(kTestFamilyMacRoman), 0);
}

TEST_F(FontManagerTest, BadActivationsGiveErrorCodesAndChangeNothing)
{
    std::ofstream(folder_.Path("empty.ttf")).flush();
    FSSpec unknownFolder = FileSpecOf(folder_.CopyOfTestFile("PlatformTest-Regular.ttf"));
    unknownFolder.parID = 0x7FFFFF00;
    const int filter = 0;
    const struct {
        const char* label;
        FSSpec fileSpec;
        const void* filter;
        uint32_t options;
        OSStatus expected;
    } cases[] = {
        {"text file", FileSpecOf(folder_.CopyOfTestFile("NotAFont.ttf")), nullptr, 0, kFMFontContainerAccessErr},
        {"empty file", FileSpecOf(folder_.Path("empty.ttf")), nullptr, 0, kFMFontContainerAccessErr},
        {"text file, global", FileSpecOf(folder_.Path("NotAFont.ttf")), nullptr, 1, kFMFontContainerAccessErr},
        {"folder", FileSpecOf(folder_.Path("")), nullptr, 0, kFMFontContainerAccessErr},
        {"missing file", FileSpecOf(folder_.Path("absent.ttf")), nullptr, 0, fnfErr},
        {"unknown directory ID", unknownFolder, nullptr, 0, paramErr},
        {"unknown options", FileSpecOf(folder_.Path("PlatformTest-Regular.ttf")), nullptr, 2, paramErr},
        {"a filter", FileSpecOf(folder_.Path("PlatformTest-Regular.ttf")), &filter, 0, paramErr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        const uint32_t generation = FMGetGeneration();
        EXPECT_EQ(FMActivateFonts(&row.fileSpec, row.filter, nullptr, row.options), row.expected);
        EXPECT_EQ(FMGetGeneration(), generation);
    }
    EXPECT_EQ(FMActivateFonts(nullptr, nullptr, nullptr, 0), paramErr);
    EXPECT_TRUE(gEvents.empty());
    EXPECT_FALSE(fs::exists(UserFontFolder() / "NotAFont.ttf"));
}

TEST_F(FontManagerTest, DeactivatingAFileNeverActivatedIsAnError)
{
    const FSSpec fileSpec = FileSpecOf(folder_.CopyOfTestFile("PlatformTest-Regular.ttf"));
    const uint32_t generation = FMGetGeneration();
    EXPECT_EQ(FMDeactivateFonts(&fileSpec, nullptr, nullptr, 0), kFMFontNotActivatedErr);
    EXPECT_EQ(FMDeactivateFonts(nullptr, nullptr, nullptr, 0), paramErr);
    EXPECT_EQ(FMGetGeneration(), generation);
    EXPECT_TRUE(gEvents.empty());
}

TEST_F(FontManagerTest, DeactivationTakesNoContextAndRefusesOtherOptions)
{
    const std::string path = folder_.CopyOfTestFile("PlatformTest-Regular.ttf");
    ASSERT_EQ(Activate(path, kFMGlobalActivationContext), noErr);
    const FSSpec fileSpec = FileSpecOf(path);
    const uint32_t generation = FMGetGeneration();
    for (const uint32_t options : {1u, 2u, 0x80000000u}) {
        SCOPED_TRACE(options);
        EXPECT_EQ(FMDeactivateFonts(&fileSpec, nullptr, nullptr, options), paramErr);
    }
    EXPECT_EQ(FMGetGeneration(), generation);
    EXPECT_TRUE(fs::exists(UserFontFolder() / fs::path(path).filename()));
    EXPECT_EQ(Deactivate(path), noErr);
    EXPECT_FALSE(fs::exists(UserFontFolder() / fs::path(path).filename()));
}

TEST_F(FontManagerTest, DeactivationKeepsTheOtherActivatedFonts)
{
    const FMFontFamily family = ActivateTestFamily();
    ASSERT_EQ(Activate(folder_.CopyOfTestFile("PlatformCyrillic-Regular.ttf")), noErr);
    ASSERT_EQ(Deactivate(folder_.Path("PlatformCyrillic-Regular.ttf")), noErr);
    EXPECT_EQ(FamilyNamed(kCyrillicFamilyUtf8), 0);
    EXPECT_EQ(FamilyNamed(kTestFamilyMacRoman), family);
    EXPECT_TRUE(FontconfigFamilies().contains(std::string(kTestFamilyUtf8)));
}

TEST_F(FontManagerTest, ActivatedFontsSurviveAReloadOfFontconfig)
{
    const FMFontFamily family = ActivateTestFamily();
    const uint32_t generation = FMGetGeneration();
    ASSERT_EQ(FcInitReinitialize(), FcTrue);
    EXPECT_NE(FMGetGeneration(), generation) << "the set of fonts may have changed";
    EXPECT_EQ(FamilyNamed(kTestFamilyMacRoman), family);
    EXPECT_TRUE(FontconfigFamilies().contains(std::string(kTestFamilyUtf8)));
}

TEST_F(FontManagerTest, InstancesGiveEachFontOfTheFamilyWithItsStyle)
{
    const FMFontFamily family = ActivateTestFamily();
    FMFontFamilyInstanceIterator iterator{};
    ASSERT_EQ(FMCreateFontFamilyInstanceIterator(family, &iterator), noErr);
    std::map<FMFontStyle, std::string> files;
    FMFont font = 0;
    FMFontStyle style = -1;
    FMFontSize size = -1;
    while (FMGetNextFontFamilyInstance(&iterator, &font, &style, &size) == noErr) {
        EXPECT_EQ(size, 0) << "scalable fonts have size 0";
        files[style] = fs::path(ContainerPathOf(font)).filename().string();
    }
    EXPECT_EQ(FMDisposeFontFamilyInstanceIterator(&iterator), noErr);
    EXPECT_EQ(files, (std::map<FMFontStyle, std::string>{{0, "PlatformTest-Regular.ttf"},
                                                          {1, "PlatformTest-Bold.ttf"},
                                                          {2, "PlatformTest-Italic.otf"}}));
}

TEST_F(FontManagerTest, StyleRequestsFindTheNearestFont)
{
    const FMFontFamily family = ActivateTestFamily();
    const struct {
        FMFontStyle asked;
        FMFontStyle intrinsic;
        const char* file;
        FourCharCode format;
    } cases[] = {
        {0, 0, "PlatformTest-Regular.ttf", kTrueTypeFormat},
        {1, 1, "PlatformTest-Bold.ttf", kTrueTypeFormat},
        {2, 2, "PlatformTest-Italic.otf", kOpenTypeCffFormat},
        {4, 0, "PlatformTest-Regular.ttf", kTrueTypeFormat},   // underline is drawn, not a font
        {5, 1, "PlatformTest-Bold.ttf", kTrueTypeFormat},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.asked);
        FMFont font = 0;
        FMFontStyle intrinsic = -1;
        ASSERT_EQ(FMGetFontFromFontFamilyInstance(family, row.asked, &font, &intrinsic), noErr);
        EXPECT_EQ(intrinsic, row.intrinsic);
        EXPECT_EQ(fs::path(ContainerPathOf(font)).filename(), row.file);
        FourCharCode format = 0;
        EXPECT_EQ(FMGetFontFormat(font, &format), noErr);
        EXPECT_EQ(format, row.format);
        FMFontFamily owner = 0;
        FMFontStyle own = -1;
        EXPECT_EQ(FMGetFontFamilyInstanceFromFont(font, &owner, &own), noErr);
        EXPECT_EQ(owner, family);
        EXPECT_EQ(own, row.intrinsic);
        FSSpec container{};
        EXPECT_EQ(FMGetFontContainerFromFontFamilyInstance(family, row.asked, 0, &container), noErr);
        EXPECT_EQ(platform::PathFromFSSpec(container), folder_.Path(row.file));
    }
    FMFont boldItalic = 0;
    FMFontStyle intrinsic = -1;
    EXPECT_EQ(FMGetFontFromFontFamilyInstance(family, 3, &boldItalic, nullptr), noErr);
    EXPECT_EQ(FMGetFontFromFontFamilyInstance(family, 3, &boldItalic, &intrinsic), noErr);
    EXPECT_TRUE(intrinsic == 1 || intrinsic == 2) << "a font that holds one of the two asked-for bits";
}

TEST_F(FontManagerTest, ResourceIsTheFontFileInTwoPasses)
{
    const FMFontFamily family = ActivateTestFamily();
    std::ifstream file(folder_.Path("PlatformTest-Bold.ttf"), std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    ByteCount size = 0;
    ASSERT_EQ(FMGetFontFamilyResource(family, 1, 12, 0, nullptr, &size), noErr);
    ASSERT_EQ(size, expected.size());
    std::string buffer(size, '\0');
    ByteCount read = 0;
    ASSERT_EQ(FMGetFontFamilyResource(family, 1, 12, size, buffer.data(), &read), noErr);
    EXPECT_EQ(read, size);
    EXPECT_EQ(buffer, expected);

    std::string tooSmall(size - 1, '\0');
    EXPECT_EQ(FMGetFontFamilyResource(family, 1, 12, size - 1, tooSmall.data(), &read), kFMFontTableAccessErr);
    EXPECT_EQ(tooSmall, std::string(size - 1, '\0')) << "nothing is written past or into a short buffer";
}

TEST_F(FontManagerTest, NewFontsCarryTheGenerationOfTheirActivation)
{
    const FMFontFamily system = FamilyNamed(*FontconfigFamilies().begin());
    uint32_t systemGeneration = 0;
    ASSERT_EQ(FMGetFontFamilyGeneration(system, &systemGeneration), noErr);

    const FMFontFamily family = ActivateTestFamily();
    const uint32_t now = FMGetGeneration();
    FMFont font = 0;
    ASSERT_EQ(FMGetFontFromFontFamilyInstance(family, 1, &font, nullptr), noErr);
    uint32_t generation = 0;
    EXPECT_EQ(FMGetFontGeneration(font, &generation), noErr);
    EXPECT_LE(generation, now);
    EXPECT_GT(generation, systemGeneration);
    EXPECT_EQ(FMGetFontFamilyGeneration(family, &generation), noErr);
    EXPECT_EQ(generation, now) << "the family changed with its last font";
    uint32_t unchanged = 0;
    EXPECT_EQ(FMGetFontFamilyGeneration(system, &unchanged), noErr);
    EXPECT_EQ(unchanged, systemGeneration);
}

TEST_F(FontManagerTest, NumbersThatNameNoFontOrFamilyAreRefused)
{
    Str255 name{};
    TextEncoding encoding = 0;
    FourCharCode format = 0;
    FSSpec fileSpec{};
    uint32_t generation = 0;
    FMFont font = 0;
    FMFontFamily family = 0;
    FMFontStyle style = 0;
    ByteCount size = 0;
    FMFontFamilyInstanceIterator iterator{};
    const std::function<OSStatus(FMFont)> byFont[] = {
        [&](FMFont f) { return FMGetFontFormat(f, &format); },
        [&](FMFont f) { return FMGetFontContainer(f, &fileSpec); },
        [&](FMFont f) { return FMGetFontGeneration(f, &generation); },
        [&](FMFont f) { return FMGetFontFamilyInstanceFromFont(f, &family, &style); },
    };
    const std::function<OSStatus(FMFontFamily)> byFamily[] = {
        [&](FMFontFamily f) { return FMGetFontFamilyName(f, name); },
        [&](FMFontFamily f) { return FMGetFontFamilyTextEncoding(f, &encoding); },
        [&](FMFontFamily f) { return FMGetFontFamilyGeneration(f, &generation); },
        [&](FMFontFamily f) { return FMGetFontFromFontFamilyInstance(f, 0, &font, &style); },
        [&](FMFontFamily f) { return FMGetFontContainerFromFontFamilyInstance(f, 0, 12, &fileSpec); },
        [&](FMFontFamily f) { return FMGetFontFamilyResource(f, 0, 12, 0, nullptr, &size); },
        [&](FMFontFamily f) { return FMCreateFontFamilyInstanceIterator(f, &iterator); },
    };
    for (const FMFont unknown : {FMFont{0}, FMFont{0xFFFFFFFF}}) {
        for (std::size_t call = 0; call < std::size(byFont); ++call) {
            SCOPED_TRACE(testing::Message() << "font " << unknown << ", call " << call);
            EXPECT_EQ(byFont[call](unknown), kFMInvalidFontErr);
        }
    }
    for (const FMFontFamily unknown : {FMFontFamily{0}, FMFontFamily{-1}, FMFontFamily{32767}}) {
        for (std::size_t call = 0; call < std::size(byFamily); ++call) {
            SCOPED_TRACE(testing::Message() << "family " << unknown << ", call " << call);
            EXPECT_EQ(byFamily[call](unknown), kFMInvalidFontFamilyErr);
        }
    }
    EXPECT_EQ(FMGetFontFamilyFromName(nullptr), 0);
    EXPECT_EQ(FamilyNamed("No Such Family Anywhere"), 0);
}

} // namespace
