#include "Registration.h"

#include "FontActivation.h"
#include "FontFamilyKWX.h"
#include "FontIterators.h"
#include "FontKWX.h"
#include "GlobalMethods.h"
#include "HostCallbacks.h"
#include "InstanceData.h"

#include <iterator>
#include <span>

namespace kwx {

namespace {

template <typename Pointer>
uintptr_t Word(Pointer* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer);
}

template <typename Function>
RbMethodRecord Method(Function* function, const char* declaration)
{
    return RbMethodRecord{Word(function), 0, Word(declaration), 0};
}

RbPropertyRecord Property(const char* name, const char* type, uintptr_t getter)
{
    RbPropertyRecord record{};
    record.name = Word(name);
    record.type = Word(type);
    record.getter = getter;
    return record;
}

template <typename Getter>
RbPropertyRecord Property(const char* name, const char* type, Getter* getter)
{
    return Property(name, type, Word(getter));
}

struct ClassLayout {
    const char* name = nullptr;
    std::size_t instanceDataSize = 0;
    RbObjectHook constructor = nullptr;
    RbObjectHook destructor = nullptr;
    std::span<const RbPropertyRecord> properties = {};
    std::span<const RbMethodRecord> methods = {};
    std::span<const RbMethodRecord> sharedMethods = {};
};

uintptr_t TableWord(auto table)
{
    return table.empty() ? 0 : Word(table.data());
}

RbClassDefinition ClassRecord(const ClassLayout& layout)
{
    RbClassDefinition record{};
    record.version = RB_PLUGIN_RECORD_VERSION;
    record.name = Word(layout.name);
    record.instanceDataSize = layout.instanceDataSize;
    record.constructor = Word(layout.constructor);
    record.destructor = Word(layout.destructor);
    record.properties = TableWord(layout.properties);
    record.propertyCount = layout.properties.size();
    record.methods = TableWord(layout.methods);
    record.methodCount = layout.methods.size();
    record.sharedMethods = TableWord(layout.sharedMethods);
    record.sharedMethodCount = layout.sharedMethods.size();
    return record;
}

// FontKWX

const RbPropertyRecord fontProperties[] = {
    Property("Handle", "Integer", RB_STANDARD_GETTER),
    Property("Format", "String", &FontKWX::Format),
    Property("File", "Folderitem", &FontKWX::File),
};

const RbMethodRecord fontMethods[] = {
    Method(&FontKWX::GenerationCount, "GenerationCount as integer"),
    Method(&FontKWX::FontFamily, "FontFamily as FontFamilyKWX"),
    Method(&FontKWX::FontFamilyWithStyle, "FontFamily(byref style as integer) as FontFamilyKWX"),
};

const RbMethodRecord fontSharedMethods[] = {
    Method(&FontKWX::GetSystemFont, "GetSystemFont as integer"),
    Method(&FontKWX::GetApplicationFont, "GetApplicationFont as integer"),
    Method(&FontKWX::GetSystemFontName, "GetSystemFontName as string"),
    Method(&FontKWX::GetApplicationFontName, "GetApplicationFontName as string"),
    Method(&FontKWX::GetFontName, "GetFontName(FontNumber as integer) as string"),
    Method(&FontKWX::GetFontNumber, "GetFontNumber(Name as string) as integer"),
};

const RbClassDefinition fontClass = ClassRecord({
    .name = "FontKWX",
    .instanceDataSize = sizeof(FontData),
    .properties = fontProperties,
    .methods = fontMethods,
    .sharedMethods = fontSharedMethods,
});

// FontFamilyFontIteratorKWX

const RbMethodRecord familyFontIteratorMethods[] = {
    Method(&FontFamilyFontIteratorKWX::Close, "Close"),
    Method(&FontFamilyFontIteratorKWX::Reset, "Reset"),
    Method(&FontFamilyFontIteratorKWX::NextFont, "NextFont as FontKWX"),
    Method(&FontFamilyFontIteratorKWX::NextFontWithStyleAndSize,
           "NextFont(byref style as integer, byref size as integer) as FontKWX"),
};

const RbClassDefinition familyFontIteratorClass = ClassRecord({
    .name = "FontFamilyFontIteratorKWX",
    .instanceDataSize = sizeof(FamilyFontIteratorData),
    .destructor = &FontFamilyFontIteratorKWX::Close,
    .methods = familyFontIteratorMethods,
});

// FontFamilyKWX

const RbPropertyRecord familyProperties[] = {
    Property("Handle", "Integer", RB_STANDARD_GETTER),
};

const RbMethodRecord familyMethods[] = {
    Method(&FontFamilyKWX::Font, "Font(Style as integer) as FontKWX"),
    Method(&FontFamilyKWX::FontWithIntrinsicStyle,
           "Font(Style as integer, byref IntrinsicStyle as integer) as FontKWX"),
    Method(&FontFamilyKWX::FontFamilyResource, "FontFamilyResource(Style as integer, Size as integer) as string"),
    Method(&FontFamilyKWX::FontContainer, "FontContainer(Style as integer, Size as integer) as folderitem"),
    Method(&FontFamilyKWX::Fonts, "Fonts as FontFamilyFontIteratorKWX"),
    Method(&FontFamilyKWX::Name, "Name as string"),
    Method(&FontFamilyKWX::Encoding, "Encoding as integer"),
    Method(&FontFamilyKWX::GenerationCount, "GenerationCount as integer"),
};

const RbClassDefinition familyClass = ClassRecord({
    .name = "FontFamilyKWX",
    .instanceDataSize = sizeof(FontFamilyData),
    .properties = familyProperties,
    .methods = familyMethods,
});

// FontIteratorKWX

const RbMethodRecord fontIteratorMethods[] = {
    Method(&FontIteratorKWX::Close, "Close"),
    Method(&FontIteratorKWX::Reset, "Reset"),
    Method(&FontIteratorKWX::NextFont, "NextFont as FontKWX"),
};

const RbClassDefinition fontIteratorClass = ClassRecord({
    .name = "FontIteratorKWX",
    .instanceDataSize = sizeof(FontIteratorData),
    .constructor = &FontIteratorKWX::Constructor,
    .destructor = &FontIteratorKWX::Close,
    .methods = fontIteratorMethods,
});

// FontFamilyIteratorKWX

const RbMethodRecord familyIteratorMethods[] = {
    Method(&FontFamilyIteratorKWX::Close, "Close"),
    Method(&FontFamilyIteratorKWX::Reset, "Reset"),
    Method(&FontFamilyIteratorKWX::NextFontFamily, "NextFontFamily as FontFamilyKWX"),
};

const RbClassDefinition familyIteratorClass = ClassRecord({
    .name = "FontFamilyIteratorKWX",
    .instanceDataSize = sizeof(FontFamilyIteratorData),
    .constructor = &FontFamilyIteratorKWX::Constructor,
    .destructor = &FontFamilyIteratorKWX::Close,
    .methods = familyIteratorMethods,
});

// The extension of "folderitem" and the global methods

const RbMethodRecord folderItemMethods[] = {
    Method(&FontActivateKWX, "FontActivateKWX(OnlyLocal as boolean) as integer"),
    Method(&FontDeactivateKWX, "FontDeactivateKWX(OnlyLocal as boolean) as integer"),
};

const RbClassDefinition folderItemExtension = ClassRecord({
    .name = "folderitem",
    .methods = folderItemMethods,
});

const RbMethodRecord generationCountMethod = Method(&FontGenerationCountKWX, "FontGenerationCountKWX as integer");
const RbMethodRecord getFontFamilyMethod = Method(&GetFontFamilyKWX, "GetFontFamilyKWX(name as string) as FontFamilyKWX");

} // namespace

void RegisterAll()
{
    for (const RbClassDefinition* record :
         {&fontClass, &familyFontIteratorClass, &familyClass, &fontIteratorClass, &familyIteratorClass})
        RegisterClass(record);
    RegisterClassExtension(&folderItemExtension);
    RegisterMethod(&generationCountMethod);
    RegisterMethod(&getFontFamilyMethod);
}

} // namespace kwx
