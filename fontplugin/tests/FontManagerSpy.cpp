#include "FontManagerSpy.h"

#include <platform/FontManager.h>

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace kwxtest {

namespace {

std::optional<uint32_t>& generationOverride()
{
    static std::optional<uint32_t> generation;
    return generation;
}

// Calls the platform's own function of that name: the next definition after ours.
template <auto Function, typename... Args>
auto Forward(const char* name, Args... args)
{
    static void* const found = dlsym(RTLD_NEXT, name);
    if (found == nullptr)
        throw std::runtime_error(std::string("no platform function ") + name);
    return reinterpret_cast<decltype(Function)>(found)(args...);
}

} // namespace

FontManagerCalls& FontManagerSpy::Calls()
{
    static FontManagerCalls calls;
    return calls;
}

void FontManagerSpy::Clear()
{
    Calls() = FontManagerCalls{};
    generationOverride().reset();
}

void FontManagerSpy::SetGeneration(std::optional<uint32_t> generation)
{
    generationOverride() = generation;
}

std::optional<uint32_t> FontManagerSpy::Generation()
{
    return generationOverride();
}

} // namespace kwxtest

using kwxtest::FontManagerSpy;

extern "C" {

uint32_t FMGetGeneration(void)
{
    if (const auto generation = FontManagerSpy::Generation())
        return *generation;
    return kwxtest::Forward<&FMGetGeneration>("FMGetGeneration");
}

OSStatus FMDisposeFontIterator(FMFontIterator* iterator)
{
    ++FontManagerSpy::Calls().disposeFont;
    return kwxtest::Forward<&FMDisposeFontIterator>("FMDisposeFontIterator", iterator);
}

OSStatus FMDisposeFontFamilyIterator(FMFontFamilyIterator* iterator)
{
    ++FontManagerSpy::Calls().disposeFamily;
    return kwxtest::Forward<&FMDisposeFontFamilyIterator>("FMDisposeFontFamilyIterator", iterator);
}

OSStatus FMDisposeFontFamilyInstanceIterator(FMFontFamilyInstanceIterator* iterator)
{
    ++FontManagerSpy::Calls().disposeFamilyInstance;
    return kwxtest::Forward<&FMDisposeFontFamilyInstanceIterator>("FMDisposeFontFamilyInstanceIterator", iterator);
}

OSStatus FMResetFontIterator(const void* filter, void* refCon, uint32_t options, FMFontIterator* iterator)
{
    ++FontManagerSpy::Calls().resetFont;
    return kwxtest::Forward<&FMResetFontIterator>("FMResetFontIterator", filter, refCon, options, iterator);
}

OSStatus FMResetFontFamilyIterator(const void* filter, void* refCon, uint32_t options, FMFontFamilyIterator* iterator)
{
    ++FontManagerSpy::Calls().resetFamily;
    return kwxtest::Forward<&FMResetFontFamilyIterator>("FMResetFontFamilyIterator", filter, refCon, options, iterator);
}

OSStatus FMResetFontFamilyInstanceIterator(FMFontFamily fontFamily, FMFontFamilyInstanceIterator* iterator)
{
    ++FontManagerSpy::Calls().resetFamilyInstance;
    return kwxtest::Forward<&FMResetFontFamilyInstanceIterator>("FMResetFontFamilyInstanceIterator", fontFamily, iterator);
}

OSStatus FMGetNextFontFamilyInstance(FMFontFamilyInstanceIterator* iterator, FMFont* font, FMFontStyle* style,
                                     FMFontSize* size)
{
    ++FontManagerSpy::Calls().nextFamilyInstance;
    return kwxtest::Forward<&FMGetNextFontFamilyInstance>("FMGetNextFontFamilyInstance", iterator, font, style, size);
}

OSStatus FMGetFontFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style, FMFont* font,
                                         FMFontStyle* intrinsicStyle)
{
    FontManagerSpy::Calls().style = style;
    return kwxtest::Forward<&FMGetFontFromFontFamilyInstance>("FMGetFontFromFontFamilyInstance", fontFamily, style, font, intrinsicStyle);
}

OSStatus FMGetFontFamilyResource(FMFontFamily fontFamily, FMFontStyle style, FMFontSize size, ByteCount bufferSize,
                                 void* buffer, ByteCount* actualSize)
{
    FontManagerSpy::Calls().style = style;
    FontManagerSpy::Calls().size = size;
    return kwxtest::Forward<&FMGetFontFamilyResource>("FMGetFontFamilyResource", fontFamily, style, size, bufferSize, buffer, actualSize);
}

OSStatus FMGetFontContainerFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style, FMFontSize size,
                                                  FSSpec* fontContainer)
{
    FontManagerSpy::Calls().style = style;
    FontManagerSpy::Calls().size = size;
    return kwxtest::Forward<&FMGetFontContainerFromFontFamilyInstance>("FMGetFontContainerFromFontFamilyInstance", fontFamily, style, size, fontContainer);
}

} // extern "C"
