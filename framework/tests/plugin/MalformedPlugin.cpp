// A plug-in of the tests that registers a good class and a good global method,
// then one malformed record of each kind, then a good class and method again:
// the host must refuse each bad record and keep the rest.
#include "rb/PluginABI.h"

#include <iterator>

namespace {

template <class Pointer>
uintptr_t Word(Pointer* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer);
}

int32_t Zero()
{
    return 0;
}

const RbMethodRecord goodMethods[] = {{Word(&Zero), 0, Word("Zero as integer"), 0}};
const RbMethodRecord noFunction[] = {{0, 0, Word("Nothing as integer"), 0}};
const RbMethodRecord noDeclaration[] = {{Word(&Zero), 0, 0, 0}};
const RbPropertyRecord stringWithStandardGetter[] = {
    {0, Word("Text"), Word("String"), 0, RB_STANDARD_GETTER, 0, 0, {}}};
const RbPropertyRecord integerPastTheData[] = {
    {0, Word("Handle"), Word("Integer"), 0, RB_STANDARD_GETTER, 0, 0, {}}};
const RbPropertyRecord noGetter[] = {{0, Word("Handle"), Word("Integer"), 0, 0, 0, 0, {}}};

RbClassDefinition Good(const char* name)
{
    RbClassDefinition record{};
    record.version = RB_PLUGIN_RECORD_VERSION;
    record.name = Word(name);
    record.instanceDataSize = 4;
    record.methods = Word(goodMethods);
    record.methodCount = std::size(goodMethods);
    return record;
}

template <class Change>
RbClassDefinition Bad(Change change)
{
    RbClassDefinition record = Good("BadTest");
    change(record);
    return record;
}

const RbClassDefinition goodBefore = Good("GoodBeforeTest");
const RbClassDefinition goodAfter = Good("GoodAfterTest");
const RbClassDefinition badClasses[] = {
    Bad([](RbClassDefinition& r) { r.version = 8; }),
    Bad([](RbClassDefinition& r) { r.name = 0; }),
    Bad([](RbClassDefinition& r) { r.methodCount = RB_PLUGIN_MAX_TABLE_COUNT + 1; }),
    Bad([](RbClassDefinition& r) { r.methods = 0; }),
    Bad([](RbClassDefinition& r) { r.sharedMethods = 0; r.sharedMethodCount = 3; }),
    Bad([](RbClassDefinition& r) { r.methods = Word(noFunction); }),
    Bad([](RbClassDefinition& r) { r.methods = Word(noDeclaration); }),
    Bad([](RbClassDefinition& r) { r.properties = Word(stringWithStandardGetter); r.propertyCount = 1; }),
    Bad([](RbClassDefinition& r) {
        r.properties = Word(integerPastTheData);
        r.propertyCount = 1;
        r.instanceDataSize = 2;
    }),
    Bad([](RbClassDefinition& r) { r.properties = Word(noGetter); r.propertyCount = 1; }),
    Bad([](RbClassDefinition& r) { r.name = Word("Broken\nName"); r.methods = 0; }),
    Good("GoodBeforeTest"),
};
const RbClassDefinition badExtensions[] = {
    Bad([](RbClassDefinition& r) { r.version = 0; r.name = Word("folderitem"); }),
    Bad([](RbClassDefinition& r) { r.name = 0; }),
};

const RbMethodRecord goodGlobalBefore = {Word(&Zero), 0, Word("GoodBeforeTest as integer"), 0};
const RbMethodRecord goodGlobalAfter = {Word(&Zero), 0, Word("GoodAfterTest as integer"), 0};
const RbMethodRecord badGlobals[] = {noFunction[0], noDeclaration[0], goodGlobalBefore};

} // namespace

void REALPluginMain(RbResolver resolver)
{
    const auto registerClass = reinterpret_cast<RbPluginRegisterClassFn>(resolver("PluginRegisterClass"));
    const auto registerExtension =
        reinterpret_cast<RbPluginRegisterClassExtensionFn>(resolver("PluginRegisterClassExtension"));
    const auto registerMethod = reinterpret_cast<RbPluginRegisterMethodFn>(resolver("PluginRegisterMethod"));
    reinterpret_cast<RbRegisterPluginVersionFn>(resolver("RegisterPluginVersion"))(RB_PLUGIN_RECORD_VERSION);

    registerClass(&goodBefore);
    registerMethod(&goodGlobalBefore);
    for (const RbClassDefinition& record : badClasses)
        registerClass(&record);
    registerClass(nullptr);
    for (const RbClassDefinition& record : badExtensions)
        registerExtension(&record);
    registerExtension(nullptr);
    for (const RbMethodRecord& record : badGlobals)
        registerMethod(&record);
    registerMethod(nullptr);
    registerClass(&goodAfter);
    registerMethod(&goodGlobalAfter);
}
