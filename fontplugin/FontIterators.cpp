#include "FontIterators.h"

#include "InstanceData.h"
#include "SharedRoutines.h"

#include <platform/FontManager.h>

namespace kwx {

namespace {

// The data of an iterator that holds a live record; null otherwise.
template <typename Data>
Data* LiveIterator(RbHostObject* self)
{
    Data& data = InstanceDataOf<Data>(self);
    return data.live ? &data : nullptr;
}

template <typename Data, auto Create>
void CreateGlobalWalk(RbHostObject* self)
{
    Data& data = InstanceDataOf<Data>(self);
    data.live = Create(nullptr, nullptr, kFMGlobalIterationScope, &data.record) == noErr;
}

template <typename Data, auto ResetWalk>
void ResetGlobalWalk(RbHostObject* self)
{
    if (Data* data = LiveIterator<Data>(self))
        ResetWalk(nullptr, nullptr, kFMGlobalIterationScope, &data->record);
}

template <typename Data, auto Dispose>
void CloseWalk(RbHostObject* self)
{
    if (Data* data = LiveIterator<Data>(self)) {
        data->live = false;
        Dispose(&data->record);
    }
}

struct Instance {
    FMFont font = 0;
    FMFontStyle style = 0;
    FMFontSize size = 0;
};

OSStatus NextInstance(FamilyFontIteratorData& data, Instance& instance)
{
    instance = Instance{};
    OSStatus status = FMGetNextFontFamilyInstance(&data.record, &instance.font, &instance.style, &instance.size);
    if (status == kFMIterationScopeModifiedErr) {
        FMResetFontFamilyInstanceIterator(data.family, &data.record);
        instance = Instance{};
        status = FMGetNextFontFamilyInstance(&data.record, &instance.font, &instance.style, &instance.size);
    }
    return status;
}

} // namespace

namespace FontIteratorKWX {

void Constructor(RbHostObject* self)
{
    CreateGlobalWalk<FontIteratorData, FMCreateFontIterator>(self);
}

void Close(RbHostObject* self)
{
    CloseWalk<FontIteratorData, FMDisposeFontIterator>(self);
}

void Reset(RbHostObject* self)
{
    ResetGlobalWalk<FontIteratorData, FMResetFontIterator>(self);
}

RbHostObject* NextFont(RbHostObject* self)
{
    FontIteratorData* data = LiveIterator<FontIteratorData>(self);
    FMFont font = 0;
    if (data == nullptr || FMGetNextFont(&data->record, &font) != noErr)
        return nullptr;
    return FontFromHandle(font);
}

} // namespace FontIteratorKWX

namespace FontFamilyIteratorKWX {

void Constructor(RbHostObject* self)
{
    CreateGlobalWalk<FontFamilyIteratorData, FMCreateFontFamilyIterator>(self);
}

void Close(RbHostObject* self)
{
    CloseWalk<FontFamilyIteratorData, FMDisposeFontFamilyIterator>(self);
}

void Reset(RbHostObject* self)
{
    ResetGlobalWalk<FontFamilyIteratorData, FMResetFontFamilyIterator>(self);
}

RbHostObject* NextFontFamily(RbHostObject* self)
{
    FontFamilyIteratorData* data = LiveIterator<FontFamilyIteratorData>(self);
    FMFontFamily family = 0;
    if (data == nullptr || FMGetNextFontFamily(&data->record, &family) != noErr)
        return nullptr;
    return FontFamilyFromHandle(family);
}

} // namespace FontFamilyIteratorKWX

namespace FontFamilyFontIteratorKWX {

void Close(RbHostObject* self)
{
    CloseWalk<FamilyFontIteratorData, FMDisposeFontFamilyInstanceIterator>(self);
}

void Reset(RbHostObject* self)
{
    if (FamilyFontIteratorData* data = LiveIterator<FamilyFontIteratorData>(self))
        FMResetFontFamilyInstanceIterator(data->family, &data->record);
}

RbHostObject* NextFont(RbHostObject* self)
{
    FamilyFontIteratorData* data = LiveIterator<FamilyFontIteratorData>(self);
    Instance instance;
    if (data == nullptr || NextInstance(*data, instance) != noErr)
        return nullptr;
    return FontFromHandle(instance.font);
}

RbHostObject* NextFontWithStyleAndSize(RbHostObject* self, int32_t* style, int32_t* size)
{
    *size = 0;
    *style = 0;
    FamilyFontIteratorData* data = LiveIterator<FamilyFontIteratorData>(self);
    Instance instance;
    if (data == nullptr || NextInstance(*data, instance) != noErr)
        return nullptr;
    *style = instance.style;
    *size = instance.size;
    return FontFromHandle(instance.font);
}

} // namespace FontFamilyFontIteratorKWX

} // namespace kwx
