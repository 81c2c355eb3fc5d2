#include "FontKWX.h"

#include "HostCallbacks.h"
#include "InstanceData.h"
#include "SharedRoutines.h"

#include <platform/FontManager.h>
#include <platform/QuickDrawFonts.h>

#include <optional>

namespace kwx::FontKWX {

namespace {

FMFont FontOf(RbHostObject* self)
{
    return InstanceDataOf<FontData>(self).font;
}

RbHostString* NameOfFontNumber(int16_t number)
{
    Str255 name{};
    ::GetFontName(number, name);
    return HostStringFromPascal(name, RB_ENCODING_MAC_ROMAN);
}

struct FamilyInstance {
    FMFontFamily family = 0;
    FMFontStyle style = 0;
};

std::optional<FamilyInstance> FamilyInstanceOf(RbHostObject* self)
{
    FamilyInstance instance;
    if (FMGetFontFamilyInstanceFromFont(FontOf(self), &instance.family, &instance.style) != noErr)
        return std::nullopt;
    return instance;
}

} // namespace

RbHostString* Format(RbHostObject* self)
{
    FourCharCode format = 0;
    if (FMGetFontFormat(FontOf(self), &format) != noErr)
        return nullptr;
    return FormatCodeString(format);
}

RbHostObject* File(RbHostObject* self)
{
    FSSpec spec{};
    if (FMGetFontContainer(FontOf(self), &spec) != noErr)
        return nullptr;
    return FolderItemFromFSSpec(&spec);
}

int32_t GenerationCount(RbHostObject* self)
{
    uint32_t generation = 0;
    if (FMGetFontGeneration(FontOf(self), &generation) != noErr)
        return 0;
    return static_cast<int32_t>(generation);
}

RbHostObject* FontFamily(RbHostObject* self)
{
    const auto instance = FamilyInstanceOf(self);
    return instance ? FontFamilyFromHandle(instance->family) : nullptr;
}

RbHostObject* FontFamilyWithStyle(RbHostObject* self, int32_t* style)
{
    const auto instance = FamilyInstanceOf(self);
    if (!instance)
        return nullptr;
    *style = instance->style;
    return FontFamilyFromHandle(instance->family);
}

int32_t GetSystemFont()
{
    return GetSysFont();
}

int32_t GetApplicationFont()
{
    return GetAppFont();
}

RbHostString* GetSystemFontName()
{
    return NameOfFontNumber(GetSysFont());
}

RbHostString* GetApplicationFontName()
{
    return NameOfFontNumber(GetAppFont());
}

RbHostString* GetFontName(int32_t fontNumber)
{
    return NameOfFontNumber(Low16(fontNumber));
}

int32_t GetFontNumber(RbHostString* name)
{
    int16_t number = 0;
    GetFNum(PascalTextOf(name), &number);
    return number;
}

} // namespace kwx::FontKWX
