#include "FaceReader.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H

#include <cstring>

namespace platform {

namespace {

constexpr FourCharCode FourChars(const char (&code)[5])
{
    return static_cast<FourCharCode>(static_cast<unsigned char>(code[0])) << 24
        | static_cast<FourCharCode>(static_cast<unsigned char>(code[1])) << 16
        | static_cast<FourCharCode>(static_cast<unsigned char>(code[2])) << 8
        | static_cast<FourCharCode>(static_cast<unsigned char>(code[3]));
}

struct FormatCode {
    const char* freeTypeName;
    FourCharCode code;
};

constexpr FormatCode kFormatCodes[] = {
    {"TrueType", FourChars("true")}, {"Type 1", FourChars("typ1")}, {"CID Type 1", FourChars("CID ")},
    {"Type 42", FourChars("T42 ")}, {"BDF", FourChars("bdf ")}, {"PCF", FourChars("pcf ")},
    {"Windows FNT", FourChars("FNT ")}, {"PFR", FourChars("pfr ")},
};

FourCharCode FormatOf(FT_Face face)
{
    const char* name = FT_Get_Font_Format(face);
    if (name == nullptr)
        return kUnknownFormat;
    if (std::strcmp(name, "CFF") == 0)
        return FT_IS_SFNT(face) ? FourChars("OTTO") : FourChars("CFF ");
    for (const auto& format : kFormatCodes) {
        if (std::strcmp(name, format.freeTypeName) == 0)
            return format.code;
    }
    return kUnknownFormat;
}

FMFontStyle StyleOf(FT_Face face)
{
    FMFontStyle style = 0;
    if (face->style_flags & FT_STYLE_FLAG_BOLD)
        style |= 1;
    if (face->style_flags & FT_STYLE_FLAG_ITALIC)
        style |= 2;
    return style;
}

} // namespace

FaceReader& FaceReader::Instance()
{
    static FaceReader reader;
    return reader;
}

FaceReader::FaceReader()
{
    if (FT_Init_FreeType(&library_) != 0)
        library_ = nullptr;
}

FaceReader::~FaceReader()
{
    if (library_ != nullptr)
        FT_Done_FreeType(library_);
}

long FaceReader::FaceCount(const std::string& path) const
{
    FT_Face face = nullptr;
    if (library_ == nullptr || FT_New_Face(library_, path.c_str(), -1, &face) != 0)
        return 0;
    const long count = face->num_faces;
    FT_Done_Face(face);
    return count;
}

std::optional<FaceFacts> FaceReader::Facts(const std::string& path, long index) const
{
    FT_Face face = nullptr;
    if (library_ == nullptr || FT_New_Face(library_, path.c_str(), index, &face) != 0)
        return std::nullopt;
    const FaceFacts facts{StyleOf(face), FormatOf(face)};
    FT_Done_Face(face);
    return facts;
}

} // namespace platform
