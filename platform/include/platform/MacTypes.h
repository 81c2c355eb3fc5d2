#pragma once
// The basic types, records and result codes of the operating-system font and
// file services that the plug-in calls. Plain C, laid out as the original
// platform laid them out.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t OSStatus;
typedef uint32_t FMFont;           // 0 is never a font
typedef int16_t FMFontFamily;      // 1 to 32767; 0 is never a family
typedef int16_t FMFontStyle;       // bit 0 bold, bit 1 italic
typedef int16_t FMFontSize;        // points; 0 for a scalable font's instance
typedef uint32_t FourCharCode;
typedef FourCharCode FMFontFormat;
typedef uint32_t TextEncoding;
typedef uint32_t ByteCount;
typedef unsigned char Str255[256];  // length byte, then up to 255 bytes
typedef unsigned char Str63[64];    // length byte, then up to 63 bytes

#pragma pack(push, 2)
// A file named by a folder's directory ID and the file's name in that folder.
typedef struct FSSpec {
    int16_t vRefNum;
    int32_t parID;
    Str63 name;
} FSSpec;
#pragma pack(pop)

// Iterator records: their contents belong to the Font Manager. A record that
// was never set up (all zeros), or whose iterator was disposed of, is refused
// with paramErr by every iterator call.
typedef struct FMFontIterator { uint32_t reserved[16]; } FMFontIterator;
typedef struct FMFontFamilyIterator { uint32_t reserved[16]; } FMFontFamilyIterator;
typedef struct FMFontFamilyInstanceIterator { uint32_t reserved[16]; } FMFontFamilyInstanceIterator;

#ifdef __cplusplus
static_assert(sizeof(FSSpec) == 70, "FSSpec is a 70-byte record");
static_assert(sizeof(FMFontIterator) == 64, "iterator records are 64 bytes");
static_assert(sizeof(FMFontFamilyIterator) == 64, "iterator records are 64 bytes");
static_assert(sizeof(FMFontFamilyInstanceIterator) == 64, "iterator records are 64 bytes");
#else
_Static_assert(sizeof(FSSpec) == 70, "FSSpec is a 70-byte record");
_Static_assert(sizeof(FMFontIterator) == 64, "iterator records are 64 bytes");
#endif

enum {
    noErr = 0,
    fnfErr = -43,      // the FSSpec names a file that does not exist
    dupFNErr = -48,    // global activation: a different file of that name is already in the user's font folder
    paramErr = -50,    // null pointer, unknown option bits, non-null filter, bad FSSpec, bad iterator record
    kFMIterationCompleted = -980,        // the walk is over
    kFMInvalidFontFamilyErr = -981,      // no family of that number (or no font of it for the request)
    kFMInvalidFontErr = -982,            // no font of that number
    kFMIterationScopeModifiedErr = -983, // the set of fonts changed under the iterator; reset it
    kFMFontTableAccessErr = -984,        // the font's bytes cannot be read, or the buffer is too small
    kFMFontContainerAccessErr = -985,    // the file is not a font file (or cannot be read or added)
    kFMFontNotActivatedErr = -986        // deactivation of a file that this process did not activate
};

enum {
    kFMDefaultOptions = 0,           // the only options a deactivation takes
    kFMLocalActivationContext = 0,   // this process only
    kFMGlobalActivationContext = 1,  // every process of this user (the user's font folder)
    kFMDefaultIterationScope = 0,
    kFMGlobalIterationScope = 1      // here the same fonts as the default scope
};

// Text encodings of family names and host strings; UTF-16 and UTF-32 are
// big-endian unless a byte-order mark says otherwise.
enum {
    kTextEncodingMacRoman = 0,
    kTextEncodingUTF16 = 0x00000100,
    kTextEncodingASCII = 0x00000600,
    kTextEncodingUTF8 = 0x08000100,
    kTextEncodingUTF32 = 0x0C000100
};

#ifdef __cplusplus
}
#endif
