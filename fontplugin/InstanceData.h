#pragma once
// What each class keeps in its instance data, 24 bytes into the host object.

#include <rb/PluginABI.h>

#include <platform/MacTypes.h>

namespace kwx {

struct FontData {
    FMFont font;
};

// The family sign-extended to 32 bits, so that the host's standard getter of
// "Handle" reads a whole Integer inside the instance data.
struct FontFamilyData {
    int32_t family;
};

// An iterator record and whether it holds a live iterator: set when the
// Font Manager set it up, cleared when it is disposed of, so that no record is
// disposed of twice or disposed of when it was never set up.
template <typename Record>
struct IteratorData {
    Record record;
    bool live;
};

using FontIteratorData = IteratorData<FMFontIterator>;
using FontFamilyIteratorData = IteratorData<FMFontFamilyIterator>;

struct FamilyFontIteratorData {
    FMFontFamilyInstanceIterator record;
    FMFontFamily family;
    bool live;
};

template <typename Data>
Data& InstanceDataOf(RbHostObject* object)
{
    return *static_cast<Data*>(RbInstanceData(object));
}

} // namespace kwx
