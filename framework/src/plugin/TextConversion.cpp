#include "plugin/TextConversion.h"

#include "rb/PluginABI.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace rb {
namespace {

const char* IconvName(std::uint32_t encoding, bool reading)
{
    switch (encoding) {
    case RB_ENCODING_MAC_ROMAN: return "MACINTOSH";
    case RB_ENCODING_ASCII: return "ASCII";
    case RB_ENCODING_UTF8: return "UTF-8";
    case RB_ENCODING_UTF16: return reading ? "UTF-16" : "UTF-16BE";
    case RB_ENCODING_UTF32: return reading ? "UTF-32" : "UTF-32BE";
    default: return nullptr;
    }
}

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter OpenConverter(std::uint32_t from, std::uint32_t to)
{
    const char* fromName = IconvName(from, true);
    const char* toName = IconvName(to, false);
    if (fromName == nullptr || toName == nullptr)
        return nullptr;
    iconv_t converter = iconv_open(toName, fromName);
    return Converter(converter == reinterpret_cast<iconv_t>(-1) ? nullptr : converter);
}

} // namespace

std::optional<std::string> ConvertText(std::string_view bytes, std::uint32_t from, std::uint32_t to)
{
    const Converter converter = OpenConverter(from, to);
    if (!converter)
        return std::nullopt;
    std::string input(bytes);
    // Every supported conversion needs at most four output bytes per input byte.
    std::string output(input.size() * 4 + 8, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    if (iconv(converter.get(), nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace rb
