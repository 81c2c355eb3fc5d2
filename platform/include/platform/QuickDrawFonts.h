#pragma once
// The QuickDraw font calls. Font numbers here are Font Manager family numbers.

#include <platform/MacTypes.h>
#include <platform/PlatformExport.h>

#ifdef __cplusplus
extern "C" {
#endif

// The family of fontconfig's best match for "sans-serif"; 0 when none.
RB_PLATFORM_EXPORT int16_t GetSysFont(void);
// The family of fontconfig's best match for "serif"; 0 when none.
RB_PLATFORM_EXPORT int16_t GetAppFont(void);
// Writes the family's name (as FMGetFontFamilyName); an empty name for a
// number that names no family.
RB_PLATFORM_EXPORT void GetFontName(int16_t familyID, unsigned char* name);
// Writes the number of the family of that name (as FMGetFontFamilyFromName),
// 0 when no family bears it.
RB_PLATFORM_EXPORT void GetFNum(const unsigned char* name, int16_t* familyID);

#ifdef __cplusplus
}
#endif
