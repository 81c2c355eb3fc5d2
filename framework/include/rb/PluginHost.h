#pragma once

#include "rb/Exceptions.h"
#include "rb/FolderItem.h"
#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Host code's side of the plug-ins: what they registered, their entry points,
// their objects and strings. The framework loads the bundle's "Plugins" folder
// once, in RunFrameworkInitialization, before the start-up routine.
namespace rb {

// Entry points of plug-in methods, as the program binds them: null until
// filled, and null where nothing is registered under the key.
using PluginEntrypointTable = std::vector<void*>;
RB_FRAMEWORK_EXPORT PluginEntrypointTable RuntimeAllocatePluginEntrypointsTable(std::size_t count);

// The function registered under "<extended class>.<declaration>" (an
// extension method: "folderitem.FontActivateKWX(OnlyLocal as boolean) as
// integer") or under the declaration of a global method; null when none.
RB_FRAMEWORK_EXPORT void* RuntimeLookupPluginEntrypoint(std::string_view key);

// Calls an extension method of "folderitem" declared "(<flag> as boolean) as
// integer" on the item, which the plug-in borrows for the call. A null entry
// or a nil item throws NilObjectException.
RB_FRAMEWORK_EXPORT std::int32_t CallFolderItemMethod(void* entry, const Ref<FolderItem>& item, bool flag);

// A plug-in file that was loaded, and the version it registered (0 for none).
struct RB_FRAMEWORK_EXPORT LoadedPlugin {
    std::string file;
    std::int32_t version;
};
RB_FRAMEWORK_EXPORT std::vector<LoadedPlugin> LoadedPlugins();
// Registered class names, and entry point keys, in the order of registration.
RB_FRAMEWORK_EXPORT std::vector<std::string> PluginClassNames();
RB_FRAMEWORK_EXPORT std::vector<std::string> PluginEntrypointKeys();

// The resolver that plug-ins are given: the callback of that name, or null.
RB_FRAMEWORK_EXPORT void* ResolvePluginCallback(const char* name);

// A new instance of a registered class, its constructor run; nil when no class
// bears the name. The class's destructor runs when the last reference goes.
RB_FRAMEWORK_EXPORT Ref<Object> NewPluginInstance(std::string_view className);

// The pointer plug-ins know an object by (an instance of a registered class, a
// host string, a host file object); null for nil. It stays the same while the
// object lives. Any other object throws UsageException.
RB_FRAMEWORK_EXPORT void* HostObjectOf(const Ref<Object>& object);
// A host file object for the item, as plug-in methods take a "folderitem"
// (nil for nil); and the item of a host file object (nil for nil or any other
// object).
RB_FRAMEWORK_EXPORT Ref<Object> HostFileObject(const Ref<FolderItem>& item);
RB_FRAMEWORK_EXPORT Ref<FolderItem> FolderItemOf(const Ref<Object>& object);

// Takes over the reference that a plug-in function or a callback returned (a
// string, a file or an instance); nil for null.
RB_FRAMEWORK_EXPORT Ref<Object> AdoptPluginResult(void* reference);

// Host strings: bytes tagged with a text encoding (RB_ENCODING_ in PluginABI.h).
RB_FRAMEWORK_EXPORT Ref<Object> NewHostString(std::string_view bytes, std::uint32_t encoding);
// Nullopt for nil or an object that is no host string.
RB_FRAMEWORK_EXPORT std::optional<std::string> HostStringBytes(const Ref<Object>& string);
RB_FRAMEWORK_EXPORT std::optional<std::uint32_t> HostStringEncoding(const Ref<Object>& string);

// The function of the instance method of the object's class, or of the class's
// shared method, with that declaration; null when none (and for nil or an
// object of no registered class).
RB_FRAMEWORK_EXPORT void* PluginMethod(const Ref<Object>& object, std::string_view declaration);
RB_FRAMEWORK_EXPORT void* PluginSharedMethod(std::string_view className, std::string_view declaration);

// Calls an instance method by declaration, the object first. Arguments and the
// result are the interface's own types: std::int32_t, unsigned char for a
// boolean, std::int32_t* for a byref integer, void* (HostObjectOf) for a string
// or object; a string or object result comes back as void*, for
// AdoptPluginResult. No such method throws UsageException.
template <class Result = void, class... Args>
Result CallPluginMethod(const Ref<Object>& object, std::string_view declaration, Args... args)
{
    void* entry = PluginMethod(object, declaration);
    if (entry == nullptr)
        throw UsageException("no plug-in method '" + std::string(declaration) + "' for this object");
    return reinterpret_cast<Result (*)(void*, Args...)>(entry)(HostObjectOf(object), args...);
}

// A property by name: through the class's getter, or the value in the
// instance data for the standard getter. IntegerProperty takes an "Integer"
// property; ObjectProperty any other (a string or object, nil for none). An
// unknown property, or one of the other kind, throws UsageException; a nil
// object throws NilObjectException.
RB_FRAMEWORK_EXPORT std::int32_t IntegerProperty(const Ref<Object>& object, std::string_view name);
RB_FRAMEWORK_EXPORT Ref<Object> ObjectProperty(const Ref<Object>& object, std::string_view name);

} // namespace rb
