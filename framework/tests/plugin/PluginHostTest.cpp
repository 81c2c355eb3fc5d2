// The host with the tests' plug-in loaded from its Plugins folder: what it
// registered, the resolver, entry points, plug-in objects and their lifetimes.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kSpecNameLengthKey = "folderitem.SpecNameLengthTest(Unused as boolean) as integer";
const std::string kFlagByteKey = "folderitem.FlagByteTest(Flag as boolean) as integer";
const std::string kSpecRoundTripKey = "SpecRoundTripTest(file as folderitem) as folderitem";
const std::string kToUTF8Key = "ToUTF8Test(text as string, encoding as integer) as string";

class PluginHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { rbtest::LoadTestPlugin(); }

    static std::int32_t Shared(const char* declaration)
    {
        void* entry = rb::PluginSharedMethod("CounterTest", declaration);
        if (entry == nullptr)
            throw std::logic_error(std::string("no shared method ") + declaration);
        return reinterpret_cast<std::int32_t (*)()>(entry)();
    }
    static std::int32_t Constructed() { return Shared("ConstructedCount as integer"); }
    static std::int32_t Destroyed() { return Shared("DestroyedCount as integer"); }

    static rb::Ref<rb::Object> NewCounter()
    {
        rb::Ref<rb::Object> counter = rb::NewPluginInstance("CounterTest");
        if (!counter)
            throw std::logic_error("no CounterTest");
        return counter;
    }
};

TEST_F(PluginHostTest, KeepsTheVersionClassesAndKeysInTheOrderOfRegistration)
{
    const std::vector<rb::LoadedPlugin> plugins = rb::LoadedPlugins();
    ASSERT_EQ(plugins.size(), 1u);
    EXPECT_EQ(plugins[0].file, "TestPlugin.so");
    EXPECT_EQ(plugins[0].version, RB_PLUGIN_RECORD_VERSION);
    EXPECT_EQ(rb::PluginClassNames(), (std::vector<std::string>{"CounterTest", "PlainTest"}));
    EXPECT_EQ(rb::PluginEntrypointKeys(),
              (std::vector<std::string>{kSpecNameLengthKey, kFlagByteKey, kSpecRoundTripKey, kToUTF8Key}));
}

TEST_F(PluginHostTest, ResolverAnswersEveryCallbackByItsExactName)
{
    const char* callbacks[] = {"RegisterPluginVersion", "PluginRegisterClass", "PluginRegisterClassExtension",
                               "PluginRegisterMethod", "PluginNewInstance", "REALBuildString",
                               "REALSetStringEncoding", "REALConvertString", "REALUnlockString",
                               "FolderItemFromFSSpec", "REALFSSpecFromFolderItem"};
    std::set<void*> functions;
    for (const char* name : callbacks) {
        SCOPED_TRACE(name);
        void* function = rb::ResolvePluginCallback(name);
        EXPECT_NE(function, nullptr);
        functions.insert(function);
    }
    EXPECT_EQ(functions.size(), std::size(callbacks));

    const char* unknown[] = {"", "REALGetStringData", "realbuildstring", "REALBuildString ", "PluginMain", nullptr};
    for (const char* name : unknown) {
        SCOPED_TRACE(name == nullptr ? "(null)" : name);
        EXPECT_EQ(rb::ResolvePluginCallback(name), nullptr);
    }
}

TEST_F(PluginHostTest, EntrypointLookupTakesOnlyTheExactKey)
{
    const struct {
        std::string key;
        bool registered;
    } cases[] = {
        {kSpecNameLengthKey, true},
        {kSpecRoundTripKey, true},
        {"SpecNameLengthTest(Unused as boolean) as integer", false},
        {"FOLDERITEM.FlagByteTest(Flag as boolean) as integer", false},
        {"folderitem.FlagByteTest(Flag as boolean)", false},
        {"SetValue(value as integer)", false},
        {"CounterTest.SetValue(value as integer)", false},
        {"", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(rb::RuntimeLookupPluginEntrypoint(row.key) != nullptr, row.registered);
    }
    EXPECT_EQ(rb::RuntimeAllocatePluginEntrypointsTable(3), rb::PluginEntrypointTable(3, nullptr));
}

TEST_F(PluginHostTest, InstanceDataLiesTwentyFourBytesInAndIsZeroedForTheConstructor)
{
    const std::int32_t before = Constructed();
    const rb::Ref<rb::Object> counter = NewCounter();
    EXPECT_EQ(Constructed(), before + 1);
    EXPECT_EQ(rb::IntegerProperty(counter, "Zeroed"), 1);
    EXPECT_EQ(rb::IntegerProperty(counter, "Serial"), before + 1);

    rb::CallPluginMethod<void>(counter, "SetValue(value as integer)", std::int32_t{-7});
    const auto* record = static_cast<const unsigned char*>(rb::HostObjectOf(counter));
    std::int32_t seen = 0;
    std::memcpy(&seen, record + RB_INSTANCE_DATA_OFFSET + 8, sizeof seen);
    EXPECT_EQ(seen, -7);
    EXPECT_EQ(rb::IntegerProperty(counter, "Value"), -7);
    EXPECT_EQ(rb::HostObjectOf(counter), record);
}

TEST_F(PluginHostTest, EachObjectIsConstructedOnceAndDestroyedOnceWhenItsLastReferenceGoes)
{
    const struct {
        const char* name;
        std::function<rb::Ref<rb::Object>()> make;
    } ways[] = {
        {"made by the host", [] { return NewCounter(); }},
        {"made by a shared method",
         [] {
             return rb::AdoptPluginResult(
                 reinterpret_cast<void* (*)()>(rb::PluginSharedMethod("CounterTest", "Make as CounterTest"))());
         }},
        {"made by a method of a passing object",
         [] { return rb::AdoptPluginResult(rb::CallPluginMethod<void*>(NewCounter(), "Twin as CounterTest")); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const std::int32_t constructed = Constructed();
        const std::int32_t destroyed = Destroyed();
        rb::Ref<rb::Object> counter = way.make();
        const std::int32_t destroyedWhileMade = Destroyed() - destroyed;  // the passing object
        ASSERT_TRUE(counter);
        {
            rb::Ref<rb::Object> copy = counter;
            std::int32_t total = 1;
            rb::CallPluginMethod<void>(copy, "AddInto(byref total as integer)", &total);
            EXPECT_FALSE(rb::ObjectProperty(copy, "Label").IsNil());
        }
        EXPECT_EQ(Destroyed(), destroyed + destroyedWhileMade);
        counter = nullptr;
        EXPECT_EQ(Destroyed(), destroyed + destroyedWhileMade + 1);
        EXPECT_EQ(Constructed() - constructed, Destroyed() - destroyed);
    }
}

TEST_F(PluginHostTest, TwinCarriesTheValueIntoANewObject)
{
    const rb::Ref<rb::Object> counter = NewCounter();
    rb::CallPluginMethod<void>(counter, "SetValue(value as integer)", std::int32_t{31});
    const rb::Ref<rb::Object> twin = rb::AdoptPluginResult(rb::CallPluginMethod<void*>(counter, "Twin as CounterTest"));
    ASSERT_TRUE(twin);
    EXPECT_NE(twin, counter);
    EXPECT_EQ(rb::IntegerProperty(twin, "Value"), 31);
    std::int32_t total = 11;
    rb::CallPluginMethod<void>(twin, "AddInto(byref total as integer)", &total);
    EXPECT_EQ(total, 42);
}

TEST_F(PluginHostTest, PropertiesComeThroughTheirGettersOrTheInstanceData)
{
    const rb::Ref<rb::Object> counter = NewCounter();
    const std::int32_t serial = rb::IntegerProperty(counter, "Serial");
    const rb::Ref<rb::Object> label = rb::ObjectProperty(counter, "Label");
    EXPECT_EQ(rb::HostStringBytes(label), "#" + std::to_string(serial % 10));
    EXPECT_EQ(rb::HostStringEncoding(label), RB_ENCODING_UTF8);
}

TEST_F(PluginHostTest, WrongPropertiesAndMethodsAreUsageErrors)
{
    const rb::Ref<rb::Object> counter = NewCounter();
    const rb::Ref<rb::Object> text = rb::NewHostString("text", RB_ENCODING_UTF8);
    const std::function<void()> misuses[] = {
        [&] { rb::IntegerProperty(counter, "Label"); },
        [&] { rb::ObjectProperty(counter, "Value"); },
        [&] { rb::IntegerProperty(counter, "value"); },
        [&] { rb::IntegerProperty(text, "Value"); },
        [&] { rb::CallPluginMethod<void>(counter, "SetValue(v as integer)", std::int32_t{1}); },
        [&] { rb::CallPluginMethod<void>(text, "SetValue(value as integer)", std::int32_t{1}); },
        [&] { rb::HostObjectOf(rb::New<rb::Object>()); },
    };
    int misuse = 0;
    for (const auto& use : misuses) {
        SCOPED_TRACE(misuse++);
        EXPECT_THROW(use(), rb::UsageException);
    }
    EXPECT_THROW(rb::IntegerProperty(nullptr, "Value"), rb::NilObjectException);
}

TEST_F(PluginHostTest, AClassWithoutInstanceDataOrHooksStillMakesObjects)
{
    const rb::Ref<rb::Object> plain = rb::NewPluginInstance("PlainTest");
    ASSERT_TRUE(plain);
    EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(plain, "Answer as integer"), 42);
    EXPECT_EQ(rb::PluginMethod(plain, "SetValue(value as integer)"), nullptr);
}

TEST_F(PluginHostTest, UnknownClassesGiveNil)
{
    const auto newInstance = rbtest::Callback<RbPluginNewInstanceFn>("PluginNewInstance");
    const char* names[] = {"NoSuchClass", "countertest", "folderitem", "", nullptr};
    for (const char* name : names) {
        SCOPED_TRACE(name == nullptr ? "(null)" : name);
        if (name != nullptr) {
            EXPECT_TRUE(rb::NewPluginInstance(name).IsNil());
        }
        EXPECT_EQ(newInstance(name), nullptr);
    }
    EXPECT_EQ(rb::PluginSharedMethod("NoSuchClass", "Make as CounterTest"), nullptr);
    EXPECT_EQ(rb::PluginSharedMethod("CounterTest", "Make as PlainTest"), nullptr);
}

TEST_F(PluginHostTest, ExtensionMethodsTakeTheFileAndTheFlagAsOneByte)
{
    void* entry = rb::RuntimeLookupPluginEntrypoint(kFlagByteKey);
    const auto item = rb::New<rb::FolderItem>("/tmp");
    EXPECT_EQ(rb::CallFolderItemMethod(entry, item, true), 1);
    EXPECT_EQ(rb::CallFolderItemMethod(entry, item, false), 0);
    EXPECT_THROW(rb::CallFolderItemMethod(entry, nullptr, true), rb::NilObjectException);
    EXPECT_THROW(rb::CallFolderItemMethod(nullptr, item, true), rb::NilObjectException);
}

} // namespace
