#include "GlobalMethods.h"

#include "SharedRoutines.h"

#include <platform/FontManager.h>

namespace kwx {

int32_t FontGenerationCountKWX()
{
    return static_cast<int32_t>(FMGetGeneration());
}

RbHostObject* GetFontFamilyKWX(RbHostString* name)
{
    if (name == nullptr)
        return nullptr;
    const FMFontFamily family = FMGetFontFamilyFromName(PascalTextOf(name));
    return family == 0 ? nullptr : FontFamilyFromHandle(family);
}

} // namespace kwx
