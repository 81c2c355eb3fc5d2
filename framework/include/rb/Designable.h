#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"
#include "rb/Variant.h"

#include <map>
#include <string>

namespace rb {

class PropertyTable;

// An object that takes a designed property list (a window or a control).
class RB_FRAMEWORK_EXPORT Designable : public Object {
public:
    // Names the object in messages about its property lists ("Window1.Canvas1").
    virtual std::string DesignName() const = 0;

    // Adds the class's designed properties to the table; a subclass adds its
    // own after its base's.
    virtual void DescribeProperties(PropertyTable& table) = 0;

    // A designed property that has no effect here, as its list gave it (a
    // Color as its 0xRRGGBB Integer); nil when no list set it.
    Variant StoredProperty(const std::string& name) const;
    void StoreProperty(const std::string& name, Variant value);

private:
    std::map<std::string, Variant> stored_;
};

} // namespace rb
