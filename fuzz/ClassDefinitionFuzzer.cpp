// The host's acceptance of a class definition or class extension record. The
// first byte chooses a class, an extension or a null record; then eight bytes
// fill each of the record's 32 words, and then each word of its tables, in
// the order properties, methods, shared methods. A word that holds a pointer
// only chooses among pointers the fuzzer can make valid (null, a name, a
// table, a hook); versions, sizes, counts, offsets and reserved words are
// taken as they come. A table has as many records as its count says, up to
// one past the host's limit.
#include "FuzzSupport.h"

#include "plugin/PluginClass.h"
#include "plugin/PluginObject.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <QString>
#include <QtGlobal>

#include <strings.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A few names, so that the registry stays small however long the run.
constexpr std::array<const char*, 4> kClassNames = {nullptr, "FuzzKWX", "folderitem", ""};
constexpr std::array<const char*, 5> kDeclarations = {nullptr, "Close", "Reset", "Name as string",
                                                      "Font(Style as integer) as FontKWX"};
constexpr std::array<const char*, 4> kPropertyNames = {nullptr, "Handle", "Format", "File"};
constexpr std::array<const char*, 6> kPropertyTypes = {nullptr, "Integer", "integer", "String", "Folderitem", "Boolean"};
// The largest instance data the host takes.
constexpr std::uintptr_t kMaxInstanceDataSize = 1 << 20;
constexpr std::int32_t kGetterValue = 0x4B575831;
constexpr char kGetterText[] = "got";

enum class Kind { Class, Extension, Null };

template <std::size_t N>
std::uintptr_t Choose(std::uint64_t word, const std::array<const char*, N>& texts)
{
    return reinterpret_cast<std::uintptr_t>(texts[word % N]);
}

template <class Function>
std::uintptr_t Address(Function* function)
{
    return reinterpret_cast<std::uintptr_t>(function);
}

bool IsType(std::uintptr_t type, const char* name)
{
    return type != 0 && strcasecmp(reinterpret_cast<const char*>(type), name) == 0;
}

bool IsInteger(std::uintptr_t type)
{
    return IsType(type, "integer");
}

bool IsString(std::uintptr_t type)
{
    return IsType(type, "string");
}

// What the hooks check and count for the instance under test.
struct Instance {
    std::size_t dataSize = 0;
    bool filled = false;
    int constructed = 0;
    int destroyed = 0;
};
Instance current;

unsigned char Pattern(std::size_t at)
{
    return static_cast<unsigned char>(at * 131 + 7);
}

unsigned char* DataOf(RbHostObject* object)
{
    return static_cast<unsigned char*>(RbInstanceData(object));
}

void Construct(RbHostObject* object)
{
    unsigned char* data = DataOf(object);
    for (std::size_t at = 0; at < current.dataSize; ++at) {
        rbfuzz::Require(data[at] == 0, "instance data is not zeroed before the constructor");
        data[at] = Pattern(at);
    }
    current.filled = true;
    ++current.constructed;
}

void Destruct(RbHostObject* object)
{
    const unsigned char* data = DataOf(object);
    for (std::size_t at = 0; at < current.dataSize; ++at)
        rbfuzz::Require(data[at] == (current.filled ? Pattern(at) : 0), "instance data changed under the plug-in");
    ++current.destroyed;
}

std::int32_t IntegerGetter(RbHostObject*)
{
    return kGetterValue;
}

RbHostString* StringGetter(RbHostObject*)
{
    static const auto buildString = rbfuzz::HostCallback<RbREALBuildStringFn>("REALBuildString");
    return buildString(kGetterText, sizeof kGetterText - 1);
}

RbHostObject* ObjectGetter(RbHostObject*)
{
    return nullptr;
}

// The getter a plug-in would write for the type, returning what the type says.
std::uintptr_t GetterFor(std::uintptr_t type)
{
    if (IsInteger(type))
        return Address(&IntegerGetter);
    if (IsString(type))
        return Address(&StringGetter);
    return Address(&ObjectGetter);
}

void MethodA() {}
void MethodB() {}

// The record and the tables it points to, made from the input.
struct Shape {
    Kind kind = Kind::Class;
    RbClassDefinition record{};
    std::vector<RbPropertyRecord> properties;
    std::vector<RbMethodRecord> methods;
    std::vector<RbMethodRecord> sharedMethods;
};

std::size_t RecordsFor(std::uintptr_t count)
{
    return std::min<std::uintptr_t>(count, RB_PLUGIN_MAX_TABLE_COUNT + 1);
}

void FillProperties(Shape& shape, std::span<const std::uint8_t>& input)
{
    shape.properties.resize(RecordsFor(shape.record.propertyCount));
    for (RbPropertyRecord& property : shape.properties) {
        property.reserved0 = rbfuzz::TakeWord(input);
        property.name = Choose(rbfuzz::TakeWord(input), kPropertyNames);
        property.type = Choose(rbfuzz::TakeWord(input), kPropertyTypes);
        property.reserved3 = rbfuzz::TakeWord(input);
        const std::uint64_t getter = rbfuzz::TakeWord(input) % 3;
        property.getter = getter == 0 ? 0 : getter == 1 ? RB_STANDARD_GETTER : GetterFor(property.type);
        rbfuzz::TakeWord(input); // the setter: the host never calls one
        property.valueOffset = rbfuzz::TakeWord(input);
        for (std::uintptr_t& word : property.reserved7)
            word = rbfuzz::TakeWord(input);
    }
}

void FillMethods(std::vector<RbMethodRecord>& methods, std::uintptr_t count, std::span<const std::uint8_t>& input)
{
    methods.resize(RecordsFor(count));
    const std::array<std::uintptr_t, 3> functions = {0, Address(&MethodA), Address(&MethodB)};
    for (RbMethodRecord& method : methods) {
        method.function = functions[rbfuzz::TakeWord(input) % functions.size()];
        method.reserved1 = rbfuzz::TakeWord(input);
        method.declaration = Choose(rbfuzz::TakeWord(input), kDeclarations);
        method.reserved3 = rbfuzz::TakeWord(input);
    }
}

template <class Record>
std::uintptr_t TableWord(std::uint64_t word, const std::vector<Record>& table)
{
    return word % 2 == 0 ? 0 : reinterpret_cast<std::uintptr_t>(table.data());
}

Shape ShapeOf(std::span<const std::uint8_t> input)
{
    Shape shape;
    shape.kind = static_cast<Kind>(rbfuzz::Take(input, 1) % 3);
    std::array<std::uintptr_t, 32> words{};
    for (std::uintptr_t& word : words)
        word = rbfuzz::TakeWord(input);
    std::memcpy(&shape.record, words.data(), sizeof shape.record);
    RbClassDefinition& record = shape.record;
    record.name = Choose(words[1], kClassNames);
    record.constructor = words[5] % 2 == 0 ? 0 : Address(&Construct);
    record.destructor = words[6] % 2 == 0 ? 0 : Address(&Destruct);
    FillProperties(shape, input);
    FillMethods(shape.methods, record.methodCount, input);
    FillMethods(shape.sharedMethods, record.sharedMethodCount, input);
    record.properties = TableWord(words[7], shape.properties);
    record.methods = TableWord(words[9], shape.methods);
    record.sharedMethods = TableWord(words[23], shape.sharedMethods);
    return shape;
}

// The faults the interface's header says the host refuses a record for.
bool TableIsBad(std::uintptr_t table, std::uintptr_t count)
{
    return count > RB_PLUGIN_MAX_TABLE_COUNT || (count > 0 && table == 0);
}

bool MethodsAreBad(const std::vector<RbMethodRecord>& methods, std::uintptr_t table, std::uintptr_t count)
{
    return TableIsBad(table, count) || std::any_of(methods.begin(), methods.end(), [](const RbMethodRecord& method) {
               return method.function == 0 || method.declaration == 0;
           });
}

bool PropertyIsBad(const RbPropertyRecord& property, std::uintptr_t dataSize)
{
    if (property.name == 0 || property.type == 0 || property.getter == 0)
        return true;
    return property.getter == RB_STANDARD_GETTER &&
           (!IsInteger(property.type) || property.valueOffset > dataSize || dataSize - property.valueOffset < 4);
}

bool IsBad(const Shape& shape)
{
    const RbClassDefinition& record = shape.record;
    if (record.version != RB_PLUGIN_RECORD_VERSION || record.name == 0 || record.instanceDataSize > kMaxInstanceDataSize)
        return true;
    if (TableIsBad(record.properties, record.propertyCount) ||
        std::any_of(shape.properties.begin(), shape.properties.end(),
                    [&](const RbPropertyRecord& property) { return PropertyIsBad(property, record.instanceDataSize); }))
        return true;
    return MethodsAreBad(shape.methods, record.methods, record.methodCount) ||
           MethodsAreBad(shape.sharedMethods, record.sharedMethods, record.sharedMethodCount);
}

// The host's lines on standard error about plug-ins, caught instead of shown.
std::vector<std::string> lines;

void CatchLine(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (context.category != nullptr && std::strcmp(context.category, "rb.plugin") == 0)
        lines.push_back(message.toStdString());
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string Text(std::uintptr_t word)
{
    return reinterpret_cast<const char*>(word);
}

void RegisterClass(const Shape& shape, bool bad)
{
    static const auto registerClass = rbfuzz::HostCallback<RbPluginRegisterClassFn>("PluginRegisterClass");
    const std::vector<std::string> before = rb::PluginClassNames();
    lines.clear();
    registerClass(&shape.record);
    const std::vector<std::string> after = rb::PluginClassNames();
    if (bad || Contains(before, Text(shape.record.name))) {
        rbfuzz::Require(after == before, "a refused class was registered");
        rbfuzz::Require(lines.size() == 1, "a refused class was not reported in one line");
        return;
    }
    rbfuzz::Require(after.size() == before.size() + 1 && after.back() == Text(shape.record.name),
                    "a sound class was not registered");
    rbfuzz::Require(lines.empty(), "a sound class was reported");
}

void RegisterExtension(const Shape& shape, bool bad)
{
    static const auto registerExtension =
        rbfuzz::HostCallback<RbPluginRegisterClassExtensionFn>("PluginRegisterClassExtension");
    const std::vector<std::string> before = rb::PluginEntrypointKeys();
    lines.clear();
    registerExtension(&shape.record);
    if (bad) {
        rbfuzz::Require(rb::PluginEntrypointKeys() == before, "a refused extension added methods");
        rbfuzz::Require(lines.size() == 1, "a refused extension was not reported in one line");
        return;
    }
    std::set<std::string> keys(before.begin(), before.end());
    std::size_t duplicates = 0;
    for (const RbMethodRecord& method : shape.methods) {
        const std::string key = Text(shape.record.name) + "." + Text(method.declaration);
        duplicates += keys.insert(key).second ? 0 : 1;
        rbfuzz::Require(rb::RuntimeLookupPluginEntrypoint(key) != nullptr, "an extension method has no entry point");
    }
    rbfuzz::Require(lines.size() == duplicates, "an extension's methods were not reported once per duplicate key");
}

void RegisterNull()
{
    static const auto registerClass = rbfuzz::HostCallback<RbPluginRegisterClassFn>("PluginRegisterClass");
    const std::vector<std::string> before = rb::PluginClassNames();
    lines.clear();
    registerClass(nullptr);
    rbfuzz::Require(rb::PluginClassNames() == before && lines.size() == 1, "a null record was not refused in one line");
}

std::uintptr_t FirstFunction(const std::vector<RbMethodRecord>& methods, const char* declaration)
{
    const auto found = std::find_if(methods.begin(), methods.end(), [&](const RbMethodRecord& method) {
        return std::strcmp(reinterpret_cast<const char*>(method.declaration), declaration) == 0;
    });
    return found == methods.end() ? 0 : found->function;
}

void CheckMethods(const rb::Ref<rb::Object>& object, const rb::PluginClass& described, const Shape& shape)
{
    for (const char* declaration : kDeclarations) {
        if (declaration == nullptr)
            continue;
        rbfuzz::Require(rb::PluginMethod(object, declaration) ==
                            reinterpret_cast<void*>(FirstFunction(shape.methods, declaration)),
                        "an instance method is not the first of its declaration");
        rbfuzz::Require(described.SharedMethod(declaration) == FirstFunction(shape.sharedMethods, declaration),
                        "a shared method is not the first of its declaration");
    }
}

template <class Call>
bool Throws(Call call)
{
    try {
        call();
    } catch (const rb::UsageException&) {
        return true;
    }
    return false;
}

std::int32_t ValueAt(std::size_t offset)
{
    std::array<unsigned char, 4> bytes{};
    for (std::size_t at = 0; at < bytes.size(); ++at)
        bytes[at] = current.filled ? Pattern(offset + at) : 0;
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

void CheckProperty(const rb::Ref<rb::Object>& object, const RbPropertyRecord& property)
{
    const std::string name = Text(property.name);
    if (IsInteger(property.type)) {
        const std::int32_t expected = property.getter == RB_STANDARD_GETTER ? ValueAt(property.valueOffset) : kGetterValue;
        rbfuzz::Require(rb::IntegerProperty(object, name) == expected, "an Integer property has the wrong value");
        rbfuzz::Require(Throws([&] { rb::ObjectProperty(object, name); }), "an Integer property was read as an object");
        return;
    }
    const rb::Ref<rb::Object> value = rb::ObjectProperty(object, name);
    if (IsString(property.type))
        rbfuzz::Require(rb::HostStringBytes(value) == kGetterText, "a String property is not its getter's string");
    else
        rbfuzz::Require(value.IsNil(), "an object property is not its getter's nil");
    rbfuzz::Require(Throws([&] { rb::IntegerProperty(object, name); }), "an object property was read as an Integer");
}

void CheckProperties(const rb::Ref<rb::Object>& object, const Shape& shape)
{
    std::set<std::string> seen;
    for (const RbPropertyRecord& property : shape.properties)
        if (seen.insert(Text(property.name)).second)
            CheckProperty(object, property);
    rbfuzz::Require(Throws([&] { rb::IntegerProperty(object, "NoSuchProperty"); }), "an unknown property was read");
}

// Makes one instance, uses it and lets it go, checking the hooks ran once each.
template <class Make>
void CheckInstance(const rb::PluginClass& described, const Shape& shape, Make make)
{
    current = {described.InstanceDataSize(), false, 0, 0};
    {
        const rb::Ref<rb::Object> object = make();
        rbfuzz::Require(!object.IsNil(), "a registered class gave no instance");
        rbfuzz::Require(current.constructed == (shape.record.constructor != 0 ? 1 : 0), "the constructor did not run once");
        CheckProperties(object, shape);
        CheckMethods(object, described, shape);
        rbfuzz::Require(current.destroyed == 0, "the destructor ran while the instance was held");
    }
    rbfuzz::Require(current.destroyed == (shape.record.destructor != 0 ? 1 : 0),
                    "the destructor did not run once when the last reference went");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_LOGGING_RULES", "rb.*=false;qt.*=false;rb.plugin.warning=true", 1);
    rbfuzz::UseOwnHome();
    qInstallMessageHandler(&CatchLine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Shape shape = ShapeOf({data, size});
    if (shape.kind == Kind::Null) {
        RegisterNull();
        return 0;
    }
    const bool bad = IsBad(shape);
    std::string refusal;
    const auto described = rb::PluginClass::FromRecord(&shape.record, refusal);
    rbfuzz::Require(!described == bad, bad ? "a bad record was accepted" : "a sound record was refused");
    rbfuzz::Require(refusal.empty() != bad, "a refusal gave no reason, or an acceptance gave one");
    if (shape.kind == Kind::Extension) {
        RegisterExtension(shape, bad);
        return 0;
    }
    const bool fresh = !bad && !Contains(rb::PluginClassNames(), Text(shape.record.name));
    RegisterClass(shape, bad);
    if (bad)
        return 0;
    CheckInstance(*described, shape, [&] { return rb::Ref<rb::Object>(new rb::PluginObject(described)); });
    if (fresh) {
        static const auto newInstance = rbfuzz::HostCallback<RbPluginNewInstanceFn>("PluginNewInstance");
        CheckInstance(*described, shape, [&] { return rb::AdoptPluginResult(newInstance(Text(shape.record.name).c_str())); });
    }
    return 0;
}
