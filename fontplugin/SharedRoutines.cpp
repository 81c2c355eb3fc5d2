#include "SharedRoutines.h"

#include "HostCallbacks.h"
#include "InstanceData.h"

namespace kwx {

namespace {

bool IsWideUnicode(uint32_t encoding)
{
    return encoding == RB_ENCODING_UTF16 || encoding == RB_ENCODING_UTF32;
}

} // namespace

RbHostString* HostStringFromBytes(const void* bytes, uint32_t count, uint32_t encoding)
{
    if (bytes == nullptr || count == 0)
        return nullptr;
    RbHostString* string = BuildString(bytes, count);
    if (string == nullptr)
        return nullptr;
    SetStringEncoding(string, encoding);
    if (!IsWideUnicode(encoding))
        return string;
    RbHostString* converted = ConvertString(string, RB_ENCODING_UTF8);
    UnlockString(string);
    return converted;
}

RbHostString* HostStringFromPascal(const unsigned char* text, uint32_t encoding)
{
    return HostStringFromBytes(text + 1, text[0], encoding);
}

RbHostString* FormatCodeString(FourCharCode code)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(code >> 24), static_cast<unsigned char>(code >> 16),
        static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code)};
    bool ascii = true;
    for (const unsigned char byte : bytes)
        ascii = ascii && byte < 0x80;
    return HostStringFromBytes(bytes, sizeof bytes, ascii ? RB_ENCODING_ASCII : RB_ENCODING_MAC_ROMAN);
}

const unsigned char* PascalTextOf(const RbHostString* string)
{
    static const unsigned char empty[1] = {0};
    if (string == nullptr || string->text == 0)
        return empty;
    return reinterpret_cast<const unsigned char*>(string->text);
}

RbHostObject* FontFromHandle(FMFont font)
{
    RbHostObject* object = NewInstance("FontKWX");
    if (object != nullptr)
        InstanceDataOf<FontData>(object).font = font;
    return object;
}

RbHostObject* FontFamilyFromHandle(int32_t family)
{
    if (Low16(family) == 0)
        return nullptr;
    RbHostObject* object = NewInstance("FontFamilyKWX");
    if (object != nullptr)
        InstanceDataOf<FontFamilyData>(object).family = Low16(family);
    return object;
}

RbHostObject* FamilyFontIteratorFromRecord(const FMFontFamilyInstanceIterator& record, FMFontFamily family)
{
    RbHostObject* object = NewInstance("FontFamilyFontIteratorKWX");
    if (object != nullptr)
        InstanceDataOf<FamilyFontIteratorData>(object) = FamilyFontIteratorData{record, family, true};
    return object;
}

} // namespace kwx
