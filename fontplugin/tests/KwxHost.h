#pragma once
// KWXFonts as a host program reaches it: the bundle's real module, its objects
// made by class name and its methods called by declaration through the
// framework's plug-in host.

#include <rb/FolderItem.h>
#include <rb/PluginABI.h>
#include <rb/PluginHost.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kwxtest {

using rb::Object;
using rb::Ref;

// The bundle's KWXFonts.so.
std::string PluginFile();
// dlopens the bundle's KWXFonts.so once and calls its entry point with the
// resolver; later calls do nothing.
void LoadPluginWith(RbResolver resolver);

// A function of the plug-in, as its key or class gives it; the test fails
// when there is none.
void* GlobalEntry(std::string_view declaration);
void* SharedEntry(std::string_view className, std::string_view declaration);

template <class Result, class... Args>
Result CallGlobal(std::string_view declaration, Args... args)
{
    return reinterpret_cast<Result (*)(Args...)>(GlobalEntry(declaration))(args...);
}

template <class Result, class... Args>
Result CallShared(std::string_view className, std::string_view declaration, Args... args)
{
    return reinterpret_cast<Result (*)(Args...)>(SharedEntry(className, declaration))(args...);
}

// A string or object that an instance method returns, adopted.
template <class... Args>
Ref<Object> CallForObject(const Ref<Object>& object, std::string_view declaration, Args... args)
{
    return rb::AdoptPluginResult(rb::CallPluginMethod<void*>(object, declaration, args...));
}

template <class... Args>
Ref<Object> CallSharedForObject(std::string_view className, std::string_view declaration, Args... args)
{
    return rb::AdoptPluginResult(CallShared<void*>(className, declaration, args...));
}

// "folderitem.<declaration>" called on a file object with the raw Boolean byte.
std::int32_t CallFileMethod(std::string_view declaration, const Ref<Object>& file, RbBoolean flag);

Ref<Object> FileObject(const std::string& path);
// The path of a host file object; nullopt for nil or another object.
std::optional<std::string> PathOf(const Ref<Object>& file);
Ref<Object> MacRomanString(std::string_view bytes);
std::int32_t Handle(const Ref<Object>& object);

} // namespace kwxtest
