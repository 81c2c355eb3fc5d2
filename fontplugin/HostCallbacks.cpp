#include "HostCallbacks.h"

#include <type_traits>

namespace kwx {

namespace {

RbResolver storedResolver = nullptr;

// One cache slot: empty until the resolver answers its name with a function.
template <typename Function>
class Callback {
public:
    explicit Callback(const char* name) : name_(name) {}

    Function function()
    {
        if (function_ == nullptr)
            function_ = reinterpret_cast<Function>(Resolve(name_));
        return function_;
    }

private:
    const char* name_;
    Function function_ = nullptr;
};

// Calls the slot's function, or gives whenMissing when the host has none.
template <typename Result, typename... Params, typename... Args>
Result CallOr(Callback<Result (*)(Params...)>& slot, std::type_identity_t<Result> whenMissing, Args... args)
{
    const auto function = slot.function();
    return function == nullptr ? whenMissing : function(args...);
}

template <typename Function, typename... Args>
void CallIfPresent(Callback<Function>& slot, Args... args)
{
    if (const Function function = slot.function())
        function(args...);
}

Callback<RbPluginRegisterClassFn> registerClass("PluginRegisterClass");
Callback<RbPluginRegisterClassExtensionFn> registerClassExtension("PluginRegisterClassExtension");
Callback<RbPluginRegisterMethodFn> registerMethod("PluginRegisterMethod");
Callback<RbPluginNewInstanceFn> newInstance("PluginNewInstance");
Callback<RbREALBuildStringFn> buildString("REALBuildString");
Callback<RbREALSetStringEncodingFn> setStringEncoding("REALSetStringEncoding");
Callback<RbREALConvertStringFn> convertString("REALConvertString");
Callback<RbREALUnlockStringFn> unlockString("REALUnlockString");
Callback<RbFolderItemFromFSSpecFn> folderItemFromFSSpec("FolderItemFromFSSpec");
Callback<RbREALFSSpecFromFolderItemFn> fsSpecFromFolderItem("REALFSSpecFromFolderItem");

} // namespace

void SetResolver(RbResolver resolver)
{
    storedResolver = resolver;
}

void* Resolve(const char* name)
{
    return storedResolver == nullptr ? nullptr : storedResolver(name);
}

void RegisterClass(const RbClassDefinition* record)
{
    CallIfPresent(registerClass, record);
}

void RegisterClassExtension(const RbClassDefinition* record)
{
    CallIfPresent(registerClassExtension, record);
}

void RegisterMethod(const RbMethodRecord* record)
{
    CallIfPresent(registerMethod, record);
}

RbHostObject* NewInstance(const char* className)
{
    return CallOr(newInstance, nullptr, className);
}

RbHostString* BuildString(const void* bytes, uint32_t count)
{
    return CallOr(buildString, nullptr, bytes, count);
}

void SetStringEncoding(RbHostString* string, uint32_t encoding)
{
    CallIfPresent(setStringEncoding, string, encoding);
}

RbHostString* ConvertString(RbHostString* string, uint32_t encoding)
{
    return CallOr(convertString, nullptr, string, encoding);
}

void UnlockString(RbHostString* string)
{
    CallIfPresent(unlockString, string);
}

RbHostObject* FolderItemFromFSSpec(const FSSpec* spec)
{
    return CallOr(folderItemFromFSSpec, nullptr, spec);
}

bool FSSpecFromFolderItem(FSSpec* spec, RbHostObject* file)
{
    return CallOr(fsSpecFromFolderItem, RbBoolean{0}, spec, file) != 0;
}

} // namespace kwx
