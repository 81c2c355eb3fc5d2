// A host whose resolver lacks PluginRegisterMethod: the plug-in registers
// everything else and its entry point still returns.

#include "FontFolder.h"
#include "KwxHost.h"

#include <gtest/gtest.h>

#include <platform/MacTypes.h>

#include <cstring>

namespace kwxtest {

namespace {

void* ResolveWithoutRegisterMethod(const char* name)
{
    return std::strcmp(name, "PluginRegisterMethod") == 0 ? nullptr : rb::ResolvePluginCallback(name);
}

TEST(NoRegisterMethodTest, BothGlobalMethodsAreMissingAndTheRestStands)
{
    LoadPluginWith(&ResolveWithoutRegisterMethod);
    EXPECT_EQ(rb::PluginClassNames().size(), 5u);
    EXPECT_EQ(rb::RuntimeLookupPluginEntrypoint("FontGenerationCountKWX as integer"), nullptr);
    EXPECT_EQ(rb::RuntimeLookupPluginEntrypoint("GetFontFamilyKWX(name as string) as FontFamilyKWX"), nullptr);
    const std::vector<std::string> keys = {"folderitem.FontActivateKWX(OnlyLocal as boolean) as integer",
                                           "folderitem.FontDeactivateKWX(OnlyLocal as boolean) as integer"};
    EXPECT_EQ(rb::PluginEntrypointKeys(), keys);

    const Ref<Object> file = FileObject(KidprintFile());
    EXPECT_EQ(CallFileMethod("FontActivateKWX(OnlyLocal as boolean) as integer", file, 1), noErr);
    EXPECT_EQ(CallFileMethod("FontDeactivateKWX(OnlyLocal as boolean) as integer", file, 1), noErr);
}

} // namespace

} // namespace kwxtest
