#include "plugin/HostString.h"

#include "rb/PluginABI.h"

#include <platform/TextEncodings.h>

#include <algorithm>
#include <cstring>

namespace rb {

// A host string's encoding is the platform's text encoding of the same number.
static_assert(RB_ENCODING_MAC_ROMAN == kTextEncodingMacRoman && RB_ENCODING_ASCII == kTextEncodingASCII &&
              RB_ENCODING_UTF8 == kTextEncodingUTF8 && RB_ENCODING_UTF16 == kTextEncodingUTF16 &&
              RB_ENCODING_UTF32 == kTextEncodingUTF32);

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
    const auto text = platform::ConvertText(bytes_, encoding_, encoding);
    return text ? New<HostString>(*text, encoding) : Ref<HostString>();
}

} // namespace rb
