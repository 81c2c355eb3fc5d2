#pragma once

#include <platform/MacTypes.h>

#include <optional>
#include <string>

typedef struct FT_LibraryRec_* FT_Library;

namespace platform {

inline constexpr FourCharCode kUnknownFormat = 0x3F3F3F3F; // '????'

// What FreeType reads from a face.
struct FaceFacts {
    FMFontStyle style = 0;     // bold and italic bits
    FourCharCode format = 0;
};

// The process's FreeType library, for what fontconfig does not say.
class FaceReader {
public:
    static FaceReader& Instance();
    ~FaceReader();
    FaceReader(const FaceReader&) = delete;
    FaceReader& operator=(const FaceReader&) = delete;

    // How many faces the file holds; 0 when it is no font file FreeType reads.
    long FaceCount(const std::string& path) const;
    // nullopt when the face cannot be opened.
    std::optional<FaceFacts> Facts(const std::string& path, long index) const;

private:
    FaceReader();
    FT_Library library_ = nullptr;
};

} // namespace platform
