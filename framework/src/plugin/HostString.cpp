#include "plugin/HostString.h"

#include "plugin/TextConversion.h"

#include "rb/PluginABI.h"

#include <algorithm>
#include <cstring>

namespace rb {

HostString::HostString(std::string_view bytes, std::uint32_t encoding)
    : HostRecord(sizeof(RbHostObject)), bytes_(bytes), encoding_(encoding)
{
    const std::size_t length = std::min<std::size_t>(bytes_.size(), 255);
    run_[0] = static_cast<unsigned char>(length);
    std::memcpy(run_.data() + 1, bytes_.data(), length);
    Words()[1] = reinterpret_cast<std::uintptr_t>(run_.data());
}

Ref<HostString> HostString::Converted(std::uint32_t encoding) const
{
    const auto text = ConvertText(bytes_, encoding_, encoding);
    return text ? New<HostString>(*text, encoding) : Ref<HostString>();
}

} // namespace rb
