#pragma once
// The Font Manager over fontconfig and FreeType. Every call returns noErr or a
// result code of MacTypes.h and never crashes on bad input. Single-threaded.
//
// Numbers: families get 16-bit numbers (1 to 32767) and fonts 32-bit numbers
// (from 1), assigned when first seen and kept for the life of the process.
// The generation count moves on every activation and deactivation; iterators
// report kFMIterationScopeModifiedErr from their next call once it moved.
// A null pointer for the only result of a call is paramErr; where a call gives
// more than one result, a null pointer skips that one.

#include <platform/MacTypes.h>
#include <platform/PlatformExport.h>

#ifdef __cplusplus
extern "C" {
#endif

// Activates the fonts of one font file. options: kFMLocalActivationContext
// adds the file to this process's fontconfig application fonts;
// kFMGlobalActivationContext also copies it into the user's font folder
// ($XDG_DATA_HOME/fonts, else ~/.local/share/fonts). filter must be null.
// Activating a file that is already active is noErr and changes nothing.
// Errors: paramErr, fnfErr, dupFNErr, kFMFontContainerAccessErr (no font).
RB_PLATFORM_EXPORT OSStatus FMActivateFonts(const FSSpec* fontContainer, const void* filter, void* refCon,
                                            uint32_t options);
// Undoes this process's activation of the file, whatever its context was:
// the fonts leave this process, and a copy that the activation put into the
// user's font folder is removed. A deactivation has no context of its own:
// options must be kFMDefaultOptions, any other value is paramErr.
// Errors: paramErr, kFMFontNotActivatedErr.
RB_PLATFORM_EXPORT OSStatus FMDeactivateFonts(const FSSpec* fontContainer, const void* filter, void* refCon,
                                              uint32_t options);
RB_PLATFORM_EXPORT uint32_t FMGetGeneration(void);

// Iterators over every font, every family, and one family's instances.
// Next gives kFMIterationCompleted at the end. filter must be null; options is
// a kFM...IterationScope. Dispose of each iterator once; a second dispose is
// paramErr.
RB_PLATFORM_EXPORT OSStatus FMCreateFontIterator(const void* filter, void* refCon, uint32_t options,
                                                 FMFontIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMGetNextFont(FMFontIterator* iterator, FMFont* font);
RB_PLATFORM_EXPORT OSStatus FMResetFontIterator(const void* filter, void* refCon, uint32_t options,
                                                FMFontIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMDisposeFontIterator(FMFontIterator* iterator);

RB_PLATFORM_EXPORT OSStatus FMCreateFontFamilyIterator(const void* filter, void* refCon, uint32_t options,
                                                       FMFontFamilyIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMGetNextFontFamily(FMFontFamilyIterator* iterator, FMFontFamily* fontFamily);
RB_PLATFORM_EXPORT OSStatus FMResetFontFamilyIterator(const void* filter, void* refCon, uint32_t options,
                                                      FMFontFamilyIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMDisposeFontFamilyIterator(FMFontFamilyIterator* iterator);

// Instances of a family: each font with its style; scalable fonts report size 0.
RB_PLATFORM_EXPORT OSStatus FMCreateFontFamilyInstanceIterator(FMFontFamily fontFamily,
                                                               FMFontFamilyInstanceIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMGetNextFontFamilyInstance(FMFontFamilyInstanceIterator* iterator, FMFont* font,
                                                        FMFontStyle* style, FMFontSize* size);
RB_PLATFORM_EXPORT OSStatus FMResetFontFamilyInstanceIterator(FMFontFamily fontFamily,
                                                              FMFontFamilyInstanceIterator* iterator);
RB_PLATFORM_EXPORT OSStatus FMDisposeFontFamilyInstanceIterator(FMFontFamilyInstanceIterator* iterator);

// The family whose name matches (ASCII case ignored), the name read as Mac
// Roman or as UTF-8; 0 for no family or a null name.
RB_PLATFORM_EXPORT FMFontFamily FMGetFontFamilyFromName(const unsigned char* name);
// Mac Roman when the name can be written in it; otherwise the UTF-8 bytes
// (cut at a character boundary to 255 bytes), and the family's text encoding
// is kTextEncodingUTF8.
RB_PLATFORM_EXPORT OSStatus FMGetFontFamilyName(FMFontFamily fontFamily, unsigned char* name);
RB_PLATFORM_EXPORT OSStatus FMGetFontFamilyTextEncoding(FMFontFamily fontFamily, TextEncoding* textEncoding);

// 'true' TrueType, 'OTTO' OpenType with CFF outlines, 'CFF ' bare CFF,
// 'typ1' Type 1, 'CID ' CID-keyed Type 1, 'T42 ' Type 42, 'bdf ' BDF,
// 'pcf ' PCF, 'FNT ' Windows FNT, 'pfr ' PFR, '????' anything else.
RB_PLATFORM_EXPORT OSStatus FMGetFontFormat(FMFont font, FourCharCode* format);
RB_PLATFORM_EXPORT OSStatus FMGetFontContainer(FMFont font, FSSpec* fontContainer);
// The family's font of the style (bold and italic bits; other bits ignored):
// the exact style, else the nearest style that the font holds, which it then
// reports as intrinsic style. size picks among a bitmap family's sizes.
RB_PLATFORM_EXPORT OSStatus FMGetFontContainerFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style,
                                                                     FMFontSize size, FSSpec* fontContainer);
RB_PLATFORM_EXPORT OSStatus FMGetFontFamilyInstanceFromFont(FMFont font, FMFontFamily* fontFamily, FMFontStyle* style);
RB_PLATFORM_EXPORT OSStatus FMGetFontFromFontFamilyInstance(FMFontFamily fontFamily, FMFontStyle style, FMFont* font,
                                                            FMFontStyle* intrinsicStyle);
// The generation in which the font (or the family's set of fonts) last changed.
RB_PLATFORM_EXPORT OSStatus FMGetFontGeneration(FMFont font, uint32_t* generation);
RB_PLATFORM_EXPORT OSStatus FMGetFontFamilyGeneration(FMFontFamily fontFamily, uint32_t* generation);
// The bytes of the file that holds the family's font of that style and size.
// With bufferSize 0 (or a null buffer) only *size is set, to the resource's
// size. A buffer smaller than the resource gives kFMFontTableAccessErr, with
// *size set to the size needed.
RB_PLATFORM_EXPORT OSStatus FMGetFontFamilyResource(FMFontFamily fontFamily, FMFontStyle style, FMFontSize size,
                                                    ByteCount bufferSize, void* buffer, ByteCount* actualSize);

#ifdef __cplusplus
}
#endif
