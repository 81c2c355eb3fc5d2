#pragma once

// What the fuzz targets share: a home of their own, the Qt application, files
// made from the input, and a check that turns a broken property into a report.

#include "rb/PluginHost.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace rbfuzz {

// Gives the process a temporary HOME and XDG folders, the offscreen Qt
// platform and quiet framework logging; once per process.
void UseOwnHome();

// UseOwnHome, then the application through rb::RuntimeInit; once per process.
void StartApplication();

// The bytes as a file of that name in the process's temporary folder.
std::filesystem::path WriteFile(std::span<const std::uint8_t> bytes, const std::string& name);

// Aborts with the message when the condition fails, so libFuzzer keeps the input.
void Require(bool condition, const char* what);

// Takes the integer of the next bytes of the input (little-endian, fewer at its
// end), moving the input on.
std::uint32_t Take(std::span<const std::uint8_t>& input, std::size_t bytes);
// Take of eight bytes: a machine word.
std::uint64_t TakeWord(std::span<const std::uint8_t>& input);

// The host callback of that name, as plug-ins reach it through the resolver.
template <class Function>
Function HostCallback(const char* name)
{
    void* function = rb::ResolvePluginCallback(name);
    Require(function != nullptr, name);
    return reinterpret_cast<Function>(function);
}

} // namespace rbfuzz
