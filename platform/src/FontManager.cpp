#include <platform/FontManager.h>

#include <platform/FileSpecs.h>
#include <platform/TextEncodings.h>

#include "FileBytes.h"
#include "FontActivator.h"
#include "FontDatabase.h"
#include "IteratorTable.h"
#include "PascalString.h"
#include "StoredName.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

using platform::FontDatabase;
using platform::FontEntry;
using platform::IteratorKind;
using platform::IteratorState;
using platform::IteratorTable;

namespace {

FontDatabase& Database()
{
    return FontDatabase::Instance();
}

IteratorTable& Iterators()
{
    return IteratorTable::Instance();
}

bool IsContext(uint32_t options)
{
    return options == kFMLocalActivationContext || options == kFMGlobalActivationContext;
}

bool IsScope(uint32_t options)
{
    return options == kFMDefaultIterationScope || options == kFMGlobalIterationScope;
}

std::optional<std::string> ContainerPath(const FSSpec* container, const void* filter, uint32_t options)
{
    if (container == nullptr || filter != nullptr || !IsContext(options))
        return std::nullopt;
    return platform::PathFromFSSpec(*container);
}

template <typename Record>
IteratorTable::Record SlotsOf(Record* iterator)
{
    return IteratorTable::Record(iterator->reserved);
}

template <typename Record>
OSStatus CreateWalk(IteratorKind kind, const void* filter, uint32_t options, Record* iterator, FMFontFamily family = 0)
{
    if (iterator == nullptr)
        return paramErr;
    *iterator = Record{};
    if (filter != nullptr || !IsScope(options))
        return paramErr;
    Iterators().Open(kind, SlotsOf(iterator), IteratorState{Database().Generation(), 0, family});
    return noErr;
}

template <typename Record>
OSStatus ResetWalk(IteratorKind kind, const void* filter, uint32_t options, Record* iterator, FMFontFamily family = 0)
{
    IteratorState* state = iterator == nullptr ? nullptr : Iterators().Find(kind, SlotsOf(iterator));
    if (state == nullptr || filter != nullptr || !IsScope(options))
        return paramErr;
    *state = IteratorState{Database().Generation(), 0, family};
    return noErr;
}

// The state of a walk that may go on; its status otherwise.
template <typename Record>
OSStatus WalkStatus(IteratorKind kind, Record* iterator, const void* output, IteratorState** state)
{
    *state = iterator == nullptr ? nullptr : Iterators().Find(kind, SlotsOf(iterator));
    if (*state == nullptr || output == nullptr)
        return paramErr;
    return (*state)->generation == Database().Generation() ? noErr : kFMIterationScopeModifiedErr;
}

template <typename Item>
OSStatus Step(IteratorState& state, const std::vector<Item>& items, Item* item)
{
    if (state.position >= items.size())
        return kFMIterationCompleted;
    *item = items[state.position++];
    return noErr;
}

template <typename Record>
OSStatus DisposeWalk(IteratorKind kind, Record* iterator)
{
    return iterator != nullptr && Iterators().Close(kind, SlotsOf(iterator)) ? noErr : paramErr;
}

OSStatus ContainerOf(const FontEntry* font, FSSpec* container)
{
    if (container == nullptr)
        return paramErr;
    if (font == nullptr)
        return kFMInvalidFontErr;
    return platform::FSSpecFromPath(font->listed.face.file, container) ? noErr : kFMFontContainerAccessErr;
}

OSStatus ResourceSize(const std::string& file, ByteCount* actualSize)
{
    std::error_code error;
    const auto length = std::filesystem::file_size(file, error);
    if (error || length > std::numeric_limits<ByteCount>::max())
        return kFMFontTableAccessErr;
    *actualSize = static_cast<ByteCount>(length);
    return noErr;
}

OSStatus ReadResource(const std::string& file, ByteCount bufferSize, void* buffer, ByteCount* actualSize)
{
    const auto bytes = platform::ReadFileBytes(file);
    if (!bytes || bytes->size() > std::numeric_limits<ByteCount>::max())
        return kFMFontTableAccessErr;
    *actualSize = static_cast<ByteCount>(bytes->size());
    if (bytes->size() > bufferSize)
        return kFMFontTableAccessErr;
    std::memcpy(buffer, bytes->data(), bytes->size());
    return noErr;
}

template <typename Value>
void Give(Value* out, Value value)
{
    if (out != nullptr)
        *out = value;
}

} // namespace

extern "C" {

OSStatus FMActivateFonts(const FSSpec* fontContainer, const void* filter, void*, uint32_t options)
{
    const auto path = ContainerPath(fontContainer, filter, options);
    return path ? platform::FontActivator::Instance().Activate(*path, options) : paramErr;
}

OSStatus FMDeactivateFonts(const FSSpec* fontContainer, const void* filter, void*, uint32_t options)
{
    if (options != kFMDefaultOptions)
        return paramErr;
    const auto path = ContainerPath(fontContainer, filter, options);
    return path ? platform::FontActivator::Instance().Deactivate(*path) : paramErr;
}

uint32_t FMGetGeneration(void)
{
    return Database().Generation();
}

OSStatus FMCreateFontIterator(const void* filter, void*, uint32_t options, FMFontIterator* iterator)
{
    return CreateWalk(IteratorKind::Font, filter, options, iterator);
}

OSStatus FMGetNextFont(FMFontIterator* iterator, FMFont* font)
{
    IteratorState* state = nullptr;
    const OSStatus status = WalkStatus(IteratorKind::Font, iterator, font, &state);
    return status == noErr ? Step(*state, Database().Fonts(), font) : status;
}

OSStatus FMResetFontIterator(const void* filter, void*, uint32_t options, FMFontIterator* iterator)
{
    return ResetWalk(IteratorKind::Font, filter, options, iterator);
}

OSStatus FMDisposeFontIterator(FMFontIterator* iterator)
{
    return DisposeWalk(IteratorKind::Font, iterator);
}

OSStatus FMCreateFontFamilyIterator(const void* filter, void*, uint32_t options, FMFontFamilyIterator* iterator)
{
    return CreateWalk(IteratorKind::Family, filter, options, iterator);
}

OSStatus FMGetNextFontFamily(FMFontFamilyIterator* iterator, FMFontFamily* fontFamily)
{
    IteratorState* state = nullptr;
    const OSStatus status = WalkStatus(IteratorKind::Family, iterator, fontFamily, &state);
    return status == noErr ? Step(*state, Database().Families(), fontFamily) : status;
}

OSStatus FMResetFontFamilyIterator(const void* filter, void*, uint32_t options, FMFontFamilyIterator* iterator)
{
    return ResetWalk(IteratorKind::Family, filter, options, iterator);
}

OSStatus FMDisposeFontFamilyIterator(FMFontFamilyIterator* iterator)
{
    return DisposeWalk(IteratorKind::Family, iterator);
}

OSStatus FMCreateFontFamilyInstanceIterator(FMFontFamily fontFamily, FMFontFamilyInstanceIterator* iterator)
{
    if (iterator != nullptr && Database().Family(fontFamily) == nullptr) {
        *iterator = FMFontFamilyInstanceIterator{};
        return kFMInvalidFontFamilyErr;
    }
    return CreateWalk(IteratorKind::FamilyInstance, nullptr, kFMDefaultIterationScope, iterator, fontFamily);
}

OSStatus FMGetNextFontFamilyInstance(FMFontFamilyInstanceIterator* iterator, FMFont* font, FMFontStyle* style, FMFontSize* size)
{
    IteratorState* state = nullptr;
    FMFont next = 0;
    const OSStatus status = WalkStatus(IteratorKind::FamilyInstance, iterator, &next, &state);
    if (status != noErr)
        return status;
    const platform::FamilyEntry* family = Database().Family(state->family);
    if (family == nullptr)
        return kFMInvalidFontFamilyErr;
    if (const OSStatus stepped = Step(*state, family->fonts, &next); stepped != noErr)
        return stepped;
    const FontEntry* entry = Database().Font(next);
    Give(font, next);
    Give(style, Database().Facts(*entry).style);
    Give(size, entry->listed.size);
    return noErr;
}

OSStatus FMResetFontFamilyInstanceIterator(FMFontFamily fontFamily, FMFontFamilyInstanceIterator* iterator)
{
    if (Database().Family(fontFamily) == nullptr)
        return kFMInvalidFontFamilyErr;
    return ResetWalk(IteratorKind::FamilyInstance, nullptr, kFMDefaultIterationScope, iterator, fontFamily);
}

OSStatus FMDisposeFontFamilyInstanceIterator(FMFontFamilyInstanceIterator* iterator)
{
    return DisposeWalk(IteratorKind::FamilyInstance, iterator);
}

FMFontFamily FMGetFontFamilyFromName(const unsigned char* name)
{
    if (name == nullptr)
        return 0;
    const std::string bytes = platform::ReadPascalString(name);
    std::vector<std::string> candidates;
    if (auto fromMacRoman = platform::Utf8FromMacRoman(bytes))
        candidates.push_back(std::move(*fromMacRoman));
    if (platform::IsUtf8(bytes))
        candidates.push_back(bytes);
    return Database().FamilyNamed(candidates);
}

OSStatus FMGetFontFamilyName(FMFontFamily fontFamily, unsigned char* name)
{
    const platform::FamilyEntry* family = Database().Family(fontFamily);
    if (name == nullptr)
        return paramErr;
    if (family == nullptr)
        return kFMInvalidFontFamilyErr;
    platform::WritePascalString(platform::StoredNameOf(family->name).bytes, name, 255);
    return noErr;
}

OSStatus FMGetFontFamilyTextEncoding(FMFontFamily fontFamily, TextEncoding* textEncoding)
{
    const platform::FamilyEntry* family = Database().Family(fontFamily);
    if (textEncoding == nullptr)
        return paramErr;
    if (family == nullptr)
        return kFMInvalidFontFamilyErr;
    *textEncoding = platform::StoredNameOf(family->name).encoding;
    return noErr;
}

OSStatus FMGetFontFormat(FMFont font, FourCharCode* format)
{
    const FontEntry* entry = Database().Font(font);
    if (format == nullptr)
        return paramErr;
    if (entry == nullptr)
        return kFMInvalidFontErr;
    *format = Database().Facts(*entry).format;
    return noErr;
}

OSStatus FMGetFontContainer(FMFont font, FSSpec* fontContainer)
{
    return ContainerOf(Database().Font(font), fontContainer);
}

OSStatus FMGetFontContainerFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style, FMFontSize size, FSSpec* fontContainer)
{
    const FontEntry* entry = Database().BestInstance(fontFamily, style, size);
    return entry == nullptr ? kFMInvalidFontFamilyErr : ContainerOf(entry, fontContainer);
}

OSStatus FMGetFontFamilyInstanceFromFont(FMFont font, FMFontFamily* fontFamily, FMFontStyle* style)
{
    const FontEntry* entry = Database().Font(font);
    if (entry == nullptr)
        return kFMInvalidFontErr;
    Give(fontFamily, entry->family);
    Give(style, Database().Facts(*entry).style);
    return noErr;
}

OSStatus FMGetFontFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style, FMFont* font, FMFontStyle* intrinsicStyle)
{
    const FontEntry* entry = Database().BestInstance(fontFamily, style, 0);
    if (entry == nullptr)
        return kFMInvalidFontFamilyErr;
    Give(font, entry->number);
    Give(intrinsicStyle, Database().Facts(*entry).style);
    return noErr;
}

OSStatus FMGetFontGeneration(FMFont font, uint32_t* generation)
{
    const FontEntry* entry = Database().Font(font);
    if (generation == nullptr)
        return paramErr;
    if (entry == nullptr)
        return kFMInvalidFontErr;
    *generation = entry->generation;
    return noErr;
}

OSStatus FMGetFontFamilyGeneration(FMFontFamily fontFamily, uint32_t* generation)
{
    const platform::FamilyEntry* family = Database().Family(fontFamily);
    if (generation == nullptr)
        return paramErr;
    if (family == nullptr)
        return kFMInvalidFontFamilyErr;
    *generation = family->generation;
    return noErr;
}

OSStatus FMGetFontFamilyResource(FMFontFamily fontFamily, FMFontStyle style, FMFontSize size, ByteCount bufferSize, void* buffer, ByteCount* actualSize)
{
    const FontEntry* entry = Database().BestInstance(fontFamily, style, size);
    if (actualSize == nullptr)
        return paramErr;
    if (entry == nullptr)
        return kFMInvalidFontFamilyErr;
    const std::string& file = entry->listed.face.file;
    return bufferSize == 0 || buffer == nullptr ? ResourceSize(file, actualSize)
                                                : ReadResource(file, bufferSize, buffer, actualSize);
}

} // extern "C"
