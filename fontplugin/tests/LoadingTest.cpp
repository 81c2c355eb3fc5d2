// How the host loads KWXFonts, and what its entry point registers.

#include "FontFolder.h"
#include "KwxHost.h"

#include "plugin/PluginLoader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kwxtest {

namespace {

const std::vector<std::string> kClassNames = {
    "FontKWX", "FontFamilyFontIteratorKWX", "FontFamilyKWX", "FontIteratorKWX", "FontFamilyIteratorKWX"};

const std::vector<std::string> kEntrypointKeys = {
    "folderitem.FontActivateKWX(OnlyLocal as boolean) as integer",
    "folderitem.FontDeactivateKWX(OnlyLocal as boolean) as integer",
    "FontGenerationCountKWX as integer",
    "GetFontFamilyKWX(name as string) as FontFamilyKWX",
};

// What an entry point hands a host that only writes its calls down.
struct Registrations {
    std::vector<std::string> calls;
    std::vector<const RbClassDefinition*> classes;
    std::vector<const RbMethodRecord*> globalMethods;
};

Registrations& registrations()
{
    static Registrations kept;
    return kept;
}

const char* Text(uintptr_t word)
{
    return reinterpret_cast<const char*>(word);
}

void RecordVersion(int32_t version)
{
    registrations().calls.push_back("version " + std::to_string(version));
}

void RecordClass(const RbClassDefinition* record)
{
    registrations().calls.push_back(std::string("class ") + Text(record->name));
    registrations().classes.push_back(record);
}

void RecordExtension(const RbClassDefinition* record)
{
    registrations().calls.push_back(std::string("extension ") + Text(record->name));
    registrations().classes.push_back(record);
}

void RecordMethod(const RbMethodRecord* record)
{
    registrations().calls.push_back(std::string("method ") + Text(record->declaration));
    registrations().globalMethods.push_back(record);
}

void* RecordingResolve(const char* name)
{
    const std::pair<const char*, void*> callbacks[] = {
        {"RegisterPluginVersion", reinterpret_cast<void*>(&RecordVersion)},
        {"PluginRegisterClass", reinterpret_cast<void*>(&RecordClass)},
        {"PluginRegisterClassExtension", reinterpret_cast<void*>(&RecordExtension)},
        {"PluginRegisterMethod", reinterpret_cast<void*>(&RecordMethod)},
    };
    for (const auto& [known, function] : callbacks)
        if (std::strcmp(known, name) == 0)
            return function;
    return nullptr;
}

std::vector<std::string> Declarations(uintptr_t table, uintptr_t count)
{
    std::vector<std::string> declarations;
    const auto* methods = reinterpret_cast<const RbMethodRecord*>(table);
    for (uintptr_t i = 0; i < count; ++i) {
        EXPECT_NE(methods[i].function, 0u);
        declarations.emplace_back(Text(methods[i].declaration));
    }
    return declarations;
}

template <typename Record>
std::span<const Record> Table(uintptr_t table, uintptr_t count)
{
    return {reinterpret_cast<const Record*>(table), count};
}

// The words that each record's layout reserves.
std::vector<uintptr_t> Reserved(const RbClassDefinition& record)
{
    std::vector<uintptr_t> words = {record.reserved2, record.reserved4};
    words.insert(words.end(), std::begin(record.reserved11), std::end(record.reserved11));
    words.insert(words.end(), std::begin(record.reserved25), std::end(record.reserved25));
    return words;
}

std::vector<uintptr_t> Reserved(const RbMethodRecord& record)
{
    return {record.reserved1, record.reserved3};
}

std::vector<uintptr_t> Reserved(const RbPropertyRecord& record)
{
    std::vector<uintptr_t> words = {record.reserved0, record.reserved3};
    words.insert(words.end(), std::begin(record.reserved7), std::end(record.reserved7));
    return words;
}

// The function of the method of that declaration in the record's table.
uintptr_t MethodFunction(const RbClassDefinition& record, std::string_view declaration)
{
    const auto* methods = reinterpret_cast<const RbMethodRecord*>(record.methods);
    for (uintptr_t i = 0; i < record.methodCount; ++i)
        if (Text(methods[i].declaration) == declaration)
            return methods[i].function;
    return 0;
}

// The entry point of a copy of the plug-in, called once with the recording
// resolver: a copy of its own, so that its callback cache starts empty.
const Registrations& RecordedEntry()
{
    static const bool entered = [] {
        const FontFolder folder;
        const std::string copy = folder.Copy(PluginFile(), "KWXFontsRecorded.so");
        void* handle = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto main = handle == nullptr ? nullptr : reinterpret_cast<RbPluginMainFn>(dlsym(handle, "REALPluginMain"));
        if (main == nullptr)
            throw std::runtime_error("cannot load a copy of KWXFonts.so");
        main(&RecordingResolve);
        return true;
    }();
    (void)entered;
    return registrations();
}

TEST(LoadingTest, HostLoadsTheBundlesPluginAtVersion9)
{
    rb::LoadPluginsFrom(RB_BUNDLE_DIR "/Plugins");
    const auto loaded = rb::LoadedPlugins();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].file, "KWXFonts.so");
    EXPECT_EQ(loaded[0].version, 9);
    EXPECT_EQ(rb::PluginClassNames(), kClassNames);
    EXPECT_EQ(rb::PluginEntrypointKeys(), kEntrypointKeys);
}

TEST(LoadingTest, EntryRegistersTheVersionOnceThenEveryRecordInOrder)
{
    std::vector<std::string> expected = {"version 9"};
    for (const std::string& name : kClassNames)
        expected.push_back("class " + name);
    expected.push_back("extension folderitem");
    expected.push_back("method FontGenerationCountKWX as integer");
    expected.push_back("method GetFontFamilyKWX(name as string) as FontFamilyKWX");
    EXPECT_EQ(RecordedEntry().calls, expected);
}

TEST(LoadingTest, ClassRecordsCarryTheirDeclarations)
{

    // The instance data: a font or a family number in 4 bytes; an iterator's
    // 64-byte record, then its family and whether it is still open; none for
    // the extension, whose methods take the host's own objects.
    struct Shape {
        std::size_t instanceData;
        bool constructs;
        bool destructsByClose;
        std::vector<std::string> methods;
        std::vector<std::string> sharedMethods;
    };
    const std::vector<std::string> familyInstanceMethods = {
        "Close", "Reset", "NextFont as FontKWX",
        "NextFont(byref style as integer, byref size as integer) as FontKWX"};
    const Shape shapes[] = {
        {4, false, false,
         {"GenerationCount as integer", "FontFamily as FontFamilyKWX",
          "FontFamily(byref style as integer) as FontFamilyKWX"},
         {"GetSystemFont as integer", "GetApplicationFont as integer", "GetSystemFontName as string",
          "GetApplicationFontName as string", "GetFontName(FontNumber as integer) as string",
          "GetFontNumber(Name as string) as integer"}},
        {68, false, true, familyInstanceMethods, {}},
        {4, false, false,
         {"Font(Style as integer) as FontKWX", "Font(Style as integer, byref IntrinsicStyle as integer) as FontKWX",
          "FontFamilyResource(Style as integer, Size as integer) as string",
          "FontContainer(Style as integer, Size as integer) as folderitem", "Fonts as FontFamilyFontIteratorKWX",
          "Name as string", "Encoding as integer", "GenerationCount as integer"},
         {}},
        {68, true, true, {"Close", "Reset", "NextFont as FontKWX"}, {}},
        {68, true, true, {"Close", "Reset", "NextFontFamily as FontFamilyKWX"}, {}},
        {0, false, false,
         {"FontActivateKWX(OnlyLocal as boolean) as integer", "FontDeactivateKWX(OnlyLocal as boolean) as integer"},
         {}},
    };
    const auto& classes = RecordedEntry().classes;
    ASSERT_EQ(classes.size(), std::size(shapes));
    for (std::size_t i = 0; i < std::size(shapes); ++i) {
        const RbClassDefinition& record = *classes[i];
        const Shape& shape = shapes[i];
        SCOPED_TRACE(Text(record.name));
        EXPECT_EQ(record.version, 9u);
        EXPECT_EQ(record.instanceDataSize, shape.instanceData);
        EXPECT_EQ(record.constructor != 0, shape.constructs);
        EXPECT_EQ(record.destructor, shape.destructsByClose ? MethodFunction(record, "Close") : 0u);
        EXPECT_EQ(Declarations(record.methods, record.methodCount), shape.methods);
        EXPECT_EQ(Declarations(record.sharedMethods, record.sharedMethodCount), shape.sharedMethods);
    }
}

TEST(LoadingTest, EveryReservedWordIsZero)
{
    using testing::Each;
    for (const RbClassDefinition* record : RecordedEntry().classes) {
        SCOPED_TRACE(Text(record->name));
        EXPECT_THAT(Reserved(*record), Each(0u));
        for (const auto& property : Table<RbPropertyRecord>(record->properties, record->propertyCount))
            EXPECT_THAT(Reserved(property), Each(0u)) << Text(property.name);
        for (const auto table : {Table<RbMethodRecord>(record->methods, record->methodCount),
                                 Table<RbMethodRecord>(record->sharedMethods, record->sharedMethodCount)})
            for (const auto& method : table)
                EXPECT_THAT(Reserved(method), Each(0u)) << Text(method.declaration);
    }
    ASSERT_EQ(RecordedEntry().globalMethods.size(), 2u);
    for (const RbMethodRecord* method : RecordedEntry().globalMethods)
        EXPECT_THAT(Reserved(*method), Each(0u)) << Text(method->declaration);
}

TEST(LoadingTest, FontAndFamilyPropertiesAreReadOnly)
{
    struct Property {
        const char* name;
        const char* type;
        bool standardGetter;
    };
    // FontKWX is the first class registered, FontFamilyKWX the third.
    const std::pair<std::size_t, std::vector<Property>> classes[] = {
        {0, {{"Handle", "Integer", true}, {"Format", "String", false}, {"File", "Folderitem", false}}},
        {2, {{"Handle", "Integer", true}}},
    };
    ASSERT_GE(RecordedEntry().classes.size(), 3u);
    for (const auto& [index, properties] : classes) {
        const RbClassDefinition& record = *RecordedEntry().classes[index];
        SCOPED_TRACE(Text(record.name));
        ASSERT_EQ(record.propertyCount, properties.size());
        const auto* table = reinterpret_cast<const RbPropertyRecord*>(record.properties);
        for (std::size_t i = 0; i < properties.size(); ++i) {
            EXPECT_STREQ(Text(table[i].name), properties[i].name);
            EXPECT_STREQ(Text(table[i].type), properties[i].type);
            EXPECT_EQ(table[i].getter == RB_STANDARD_GETTER, properties[i].standardGetter);
            EXPECT_NE(table[i].getter, 0u);
            EXPECT_EQ(table[i].setter, 0u);
            EXPECT_EQ(table[i].valueOffset, 0u);
        }
    }
}

} // namespace

} // namespace kwxtest
