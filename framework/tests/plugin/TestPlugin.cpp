// The tests' own plug-in: a class with a constructor and a destructor, a plain
// class, an extension of "folderitem" and global methods, registered through
// the resolver as any plug-in registers them.
#include "rb/PluginABI.h"

#include <platform/MacTypes.h>

#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

RbResolver storedResolver = nullptr;

template <class Function>
Function Callback(const char* name)
{
    return reinterpret_cast<Function>(storedResolver(name));
}

template <class Pointer>
uintptr_t Word(Pointer* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer);
}

// A class or extension record of that name and method table; all else 0.
template <std::size_t Count>
RbClassDefinition ClassRecord(const char* name, const RbMethodRecord (&methods)[Count])
{
    RbClassDefinition record{};
    record.version = RB_PLUGIN_RECORD_VERSION;
    record.name = Word(name);
    record.methods = Word(methods);
    record.methodCount = Count;
    return record;
}

// CounterTest: 16 bytes of instance data.
struct CounterData {
    int32_t zeroedAtConstruction;  // 1 when the constructor found every byte 0
    int32_t serial;                // the how-manieth construction this was
    int32_t value;
    int32_t spare;
};

int32_t constructed = 0;
int32_t destroyed = 0;

CounterData& DataOf(RbHostObject* object)
{
    return *static_cast<CounterData*>(RbInstanceData(object));
}

void ConstructCounter(RbHostObject* object)
{
    const auto* bytes = static_cast<const unsigned char*>(RbInstanceData(object));
    bool zeroed = true;
    for (std::size_t i = 0; i < sizeof(CounterData); ++i)
        zeroed = zeroed && bytes[i] == 0;
    DataOf(object).zeroedAtConstruction = zeroed ? 1 : 0;
    DataOf(object).serial = ++constructed;
}

void DestroyCounter(RbHostObject* object)
{
    ++destroyed;
    std::memset(RbInstanceData(object), 0xDD, sizeof(CounterData));
}

void SetValue(RbHostObject* object, int32_t value)
{
    DataOf(object).value = value;
}

void AddInto(RbHostObject* object, int32_t* total)
{
    *total += DataOf(object).value;
}

int32_t Serial(RbHostObject* object)
{
    return DataOf(object).serial;
}

RbHostString* Label(RbHostObject* object)
{
    const char text[] = {'#', static_cast<char>('0' + DataOf(object).serial % 10)};
    RbHostString* label = Callback<RbREALBuildStringFn>("REALBuildString")(text, sizeof text);
    Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding")(label, RB_ENCODING_UTF8);
    return label;
}

RbHostObject* MakeCounter()
{
    return Callback<RbPluginNewInstanceFn>("PluginNewInstance")("CounterTest");
}

RbHostObject* Twin(RbHostObject* object)
{
    RbHostObject* twin = MakeCounter();
    if (twin != nullptr)
        DataOf(twin).value = DataOf(object).value;
    return twin;
}

int32_t ConstructedCount()
{
    return constructed;
}

int32_t DestroyedCount()
{
    return destroyed;
}

const RbPropertyRecord counterProperties[] = {
    {0, Word("Zeroed"), Word("Integer"), 0, RB_STANDARD_GETTER, 0, offsetof(CounterData, zeroedAtConstruction), {}},
    {0, Word("Value"), Word("Integer"), 0, RB_STANDARD_GETTER, 0, offsetof(CounterData, value), {}},
    {0, Word("Serial"), Word("Integer"), 0, Word(&Serial), 0, 0, {}},
    {0, Word("Label"), Word("String"), 0, Word(&Label), 0, 0, {}},
};

const RbMethodRecord counterMethods[] = {
    {Word(&SetValue), 0, Word("SetValue(value as integer)"), 0},
    {Word(&AddInto), 0, Word("AddInto(byref total as integer)"), 0},
    {Word(&Twin), 0, Word("Twin as CounterTest"), 0},
};

const RbMethodRecord counterSharedMethods[] = {
    {Word(&MakeCounter), 0, Word("Make as CounterTest"), 0},
    {Word(&ConstructedCount), 0, Word("ConstructedCount as integer"), 0},
    {Word(&DestroyedCount), 0, Word("DestroyedCount as integer"), 0},
};

RbClassDefinition CounterClass()
{
    RbClassDefinition record = ClassRecord("CounterTest", counterMethods);
    record.instanceDataSize = sizeof(CounterData);
    record.constructor = Word(&ConstructCounter);
    record.destructor = Word(&DestroyCounter);
    record.properties = Word(counterProperties);
    record.propertyCount = std::size(counterProperties);
    record.sharedMethods = Word(counterSharedMethods);
    record.sharedMethodCount = std::size(counterSharedMethods);
    return record;
}

// PlainTest: no instance data, no constructor or destructor.
int32_t Answer(RbHostObject*)
{
    return 42;
}

const RbMethodRecord plainMethods[] = {{Word(&Answer), 0, Word("Answer as integer"), 0}};

// The extension of "folderitem".
int32_t SpecNameLength(RbHostObject* file, RbBoolean)
{
    FSSpec spec;
    std::memset(&spec, 0xEE, sizeof spec);
    if (!Callback<RbREALFSSpecFromFolderItemFn>("REALFSSpecFromFolderItem")(&spec, file))
        return spec.name[0] == 0xEE ? -1 : -2;  // -2: refused, yet the spec was written
    return spec.name[0];
}

int32_t FlagByte(RbHostObject*, RbBoolean flag)
{
    return flag;
}

const RbMethodRecord fileMethods[] = {
    {Word(&SpecNameLength), 0, Word("SpecNameLengthTest(Unused as boolean) as integer"), 0},
    {Word(&FlagByte), 0, Word("FlagByteTest(Flag as boolean) as integer"), 0},
};

// Global methods.
RbHostObject* SpecRoundTrip(RbHostObject* file)
{
    FSSpec spec;
    if (!Callback<RbREALFSSpecFromFolderItemFn>("REALFSSpecFromFolderItem")(&spec, file))
        return nullptr;
    return Callback<RbFolderItemFromFSSpecFn>("FolderItemFromFSSpec")(&spec);
}

// As a plug-in reads a string: through its length-prefixed run only.
RbHostString* ToUTF8(RbHostString* text, int32_t encoding)
{
    if (text == nullptr)
        return nullptr;
    const auto* run = reinterpret_cast<const unsigned char*>(text->text);
    RbHostString* tagged = Callback<RbREALBuildStringFn>("REALBuildString")(run + 1, run[0]);
    Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding")(tagged, static_cast<uint32_t>(encoding));
    RbHostString* converted = Callback<RbREALConvertStringFn>("REALConvertString")(tagged, RB_ENCODING_UTF8);
    Callback<RbREALUnlockStringFn>("REALUnlockString")(tagged);
    return converted;
}

const RbMethodRecord specRoundTrip = {Word(&SpecRoundTrip), 0,
                                      Word("SpecRoundTripTest(file as folderitem) as folderitem"), 0};
const RbMethodRecord toUTF8 = {Word(&ToUTF8), 0, Word("ToUTF8Test(text as string, encoding as integer) as string"), 0};

const RbClassDefinition counterClass = CounterClass();
const RbClassDefinition plainClass = ClassRecord("PlainTest", plainMethods);
const RbClassDefinition fileExtension = ClassRecord("folderitem", fileMethods);

} // namespace

void REALPluginMain(RbResolver resolver)
{
    storedResolver = resolver;
    Callback<RbRegisterPluginVersionFn>("RegisterPluginVersion")(RB_PLUGIN_RECORD_VERSION);
    Callback<RbPluginRegisterClassFn>("PluginRegisterClass")(&counterClass);
    Callback<RbPluginRegisterClassFn>("PluginRegisterClass")(&plainClass);
    Callback<RbPluginRegisterClassExtensionFn>("PluginRegisterClassExtension")(&fileExtension);
    Callback<RbPluginRegisterMethodFn>("PluginRegisterMethod")(&specRoundTrip);
    Callback<RbPluginRegisterMethodFn>("PluginRegisterMethod")(&toUTF8);
}
