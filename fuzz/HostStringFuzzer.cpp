// Host string conversion between the five text encodings through the
// REALConvertString callback. The first byte chooses the source encoding, the
// second the target, the third how the string is made; the fourth is unused
// (kept for the layout of older seeds). The rest are the string's bytes.
#include "FuzzSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <array>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::uint32_t kUnknownEncoding = 0x12345678;
constexpr std::array<std::uint32_t, 7> kEncodings = {RB_ENCODING_MAC_ROMAN, RB_ENCODING_ASCII, RB_ENCODING_UTF16,
                                                     RB_ENCODING_UTF32,     RB_ENCODING_UTF8,  RB_ENCODING_NONE,
                                                     kUnknownEncoding};

const auto buildString = rbfuzz::HostCallback<RbREALBuildStringFn>("REALBuildString");
const auto setEncoding = rbfuzz::HostCallback<RbREALSetStringEncodingFn>("REALSetStringEncoding");
const auto convertString = rbfuzz::HostCallback<RbREALConvertStringFn>("REALConvertString");

bool IsText(std::uint32_t encoding)
{
    return encoding != RB_ENCODING_NONE && encoding != kUnknownEncoding;
}

bool IsUnicode(std::uint32_t encoding)
{
    return encoding == RB_ENCODING_UTF8 || encoding == RB_ENCODING_UTF16 || encoding == RB_ENCODING_UTF32;
}

// The string's bytes in the encoding, through the callback; nullopt for null.
std::optional<std::string> Convert(const rb::Ref<rb::Object>& string, std::uint32_t encoding)
{
    auto* record = static_cast<RbHostString*>(rb::HostObjectOf(string));
    const rb::Ref<rb::Object> converted = rb::AdoptPluginResult(convertString(record, encoding));
    if (converted.IsNil())
        return std::nullopt;
    const std::optional<std::string> bytes = rb::HostStringBytes(converted);
    rbfuzz::Require(bytes.has_value(), "a conversion gave no host string");
    rbfuzz::Require(rb::HostStringEncoding(converted) == encoding, "a conversion is tagged with another encoding");
    const auto* run = reinterpret_cast<const unsigned char*>(
        static_cast<RbHostString*>(rb::HostObjectOf(converted))->text);
    rbfuzz::Require(run[0] == std::min<std::size_t>(bytes->size(), 255), "the run's length is wrong");
    rbfuzz::Require(std::memcmp(run + 1, bytes->data(), run[0]) == 0, "the run is not the string's start");
    return bytes;
}

rb::Ref<rb::Object> MakeString(std::string_view bytes, std::uint32_t encoding, bool throughCallbacks)
{
    if (!throughCallbacks)
        return rb::NewHostString(bytes, encoding);
    RbHostString* built = buildString(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    setEncoding(built, encoding);
    return rb::AdoptPluginResult(built);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    rbfuzz::UseOwnHome();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> input(data, size);
    const std::uint32_t from = kEncodings[rbfuzz::Take(input, 1) % kEncodings.size()];
    const std::uint32_t to = kEncodings[rbfuzz::Take(input, 1) % kEncodings.size()];
    const bool throughCallbacks = (rbfuzz::Take(input, 1) & 1) != 0;
    rbfuzz::Take(input, 1);
    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());

    const rb::Ref<rb::Object> string = MakeString(bytes, from, throughCallbacks);
    rbfuzz::Require(rb::HostStringBytes(string) == std::string(bytes), "the host string changed its bytes");
    const std::optional<std::string> converted = Convert(string, to);
    if (!IsText(from) || !IsText(to)) {
        rbfuzz::Require(!converted, "a conversion from or to no text succeeded");
        return 0;
    }
    const std::optional<std::string> utf8 = Convert(string, RB_ENCODING_UTF8);
    if (!utf8) {
        rbfuzz::Require(!converted, "bytes that are not valid text were converted");
        return 0;
    }
    if (IsUnicode(to))
        rbfuzz::Require(converted.has_value(), "valid text could not be written in a Unicode encoding");
    // Written without a mark, a leading U+FEFF (or U+FFFE in UTF-16) reads
    // back as one: such a text cannot come back.
    const bool readsAsMark =
        utf8->starts_with("\xEF\xBB\xBF") || (to == RB_ENCODING_UTF16 && utf8->starts_with("\xEF\xBF\xBE"));
    if (!converted || readsAsMark)
        return 0;
    const rb::Ref<rb::Object> again = rb::NewHostString(*converted, to);
    rbfuzz::Require(Convert(again, RB_ENCODING_UTF8) == utf8, "a converted string reads as another text");
    return 0;
}
