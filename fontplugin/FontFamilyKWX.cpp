#include "FontFamilyKWX.h"

#include "HostCallbacks.h"
#include "InstanceData.h"
#include "SharedRoutines.h"

#include <platform/FontManager.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace kwx::FontFamilyKWX {

namespace {

FMFontFamily FamilyOf(RbHostObject* self)
{
    return Low16(InstanceDataOf<FontFamilyData>(self).family);
}

struct FreeBuffer {
    void operator()(void* buffer) const { std::free(buffer); }
};

} // namespace

RbHostObject* Font(RbHostObject* self, int32_t style)
{
    FMFont font = 0;
    if (FMGetFontFromFontFamilyInstance(FamilyOf(self), Low16(style), &font, nullptr) != noErr)
        return nullptr;
    return FontFromHandle(font);
}

RbHostObject* FontWithIntrinsicStyle(RbHostObject* self, int32_t style, int32_t* intrinsicStyle)
{
    *intrinsicStyle = 0;
    FMFont font = 0;
    FMFontStyle fontStyle = 0;
    if (FMGetFontFromFontFamilyInstance(FamilyOf(self), Low16(style), &font, &fontStyle) != noErr)
        return nullptr;
    *intrinsicStyle = fontStyle;
    return FontFromHandle(font);
}

// Two passes: the first learns the size, the second reads that many bytes.
RbHostString* FontFamilyResource(RbHostObject* self, int32_t style, int32_t size)
{
    const FMFontFamily family = FamilyOf(self);
    ByteCount length = 0;
    if (FMGetFontFamilyResource(family, Low16(style), Low16(size), 0, nullptr, &length) != noErr)
        return nullptr;
    const std::unique_ptr<void, FreeBuffer> buffer(std::calloc(length, 1));
    if (buffer == nullptr)
        return nullptr;
    ByteCount read = 0;
    if (FMGetFontFamilyResource(family, Low16(style), Low16(size), length, buffer.get(), &read) != noErr)
        return nullptr;
    // Never more than the buffer holds, whatever the second pass reports.
    return HostStringFromBytes(buffer.get(), std::min(read, length), RB_ENCODING_NONE);
}

RbHostObject* FontContainer(RbHostObject* self, int32_t style, int32_t size)
{
    FSSpec spec{};
    if (FMGetFontContainerFromFontFamilyInstance(FamilyOf(self), Low16(style), Low16(size), &spec) != noErr)
        return nullptr;
    return FolderItemFromFSSpec(&spec);
}

RbHostObject* Fonts(RbHostObject* self)
{
    const FMFontFamily family = FamilyOf(self);
    FMFontFamilyInstanceIterator record{};
    if (FMCreateFontFamilyInstanceIterator(family, &record) != noErr)
        return nullptr;
    RbHostObject* iterator = FamilyFontIteratorFromRecord(record, family);
    // Without an object to own it, the iterator would never be disposed of.
    if (iterator == nullptr)
        FMDisposeFontFamilyInstanceIterator(&record);
    return iterator;
}

RbHostString* Name(RbHostObject* self)
{
    const FMFontFamily family = FamilyOf(self);
    TextEncoding encoding = kTextEncodingMacRoman;
    FMGetFontFamilyTextEncoding(family, &encoding);
    Str255 name{};
    if (FMGetFontFamilyName(family, name) != noErr)
        return nullptr;
    return HostStringFromPascal(name, encoding);
}

int32_t Encoding(RbHostObject* self)
{
    TextEncoding encoding = kTextEncodingMacRoman;
    if (FMGetFontFamilyTextEncoding(FamilyOf(self), &encoding) != noErr)
        return 0;
    return static_cast<int32_t>(encoding);
}

int32_t GenerationCount(RbHostObject* self)
{
    uint32_t generation = 0;
    if (FMGetFontFamilyGeneration(FamilyOf(self), &generation) != noErr)
        return 0;
    return static_cast<int32_t>(generation);
}

} // namespace kwx::FontFamilyKWX
