// The game's reader of the preferences file: from the start, then at positions
// the input chooses. The first byte is the number of extra reads, each position
// eight bytes after it; the whole input is the file. What it reads from the
// start, written back by the game's writer and read again, gives the same values.
#include "FuzzSupport.h"

#include "PreferencesFile.h"

#include "rb/BinaryStream.h"
#include "rb/FolderItem.h"

#include <bit>

namespace {

bool Same(const PreferencesFile::Values& a, const PreferencesFile::Values& b)
{
    return std::bit_cast<std::uint64_t>(a.ratio) == std::bit_cast<std::uint64_t>(b.ratio) &&
           a.preferred == b.preferred && a.quiet == b.quiet;
}

void WriteAndReadAgain(const PreferencesFile::Values& values)
{
    const auto copy = rb::New<rb::FolderItem>(rbfuzz::WriteFile({}, "NubrelloPrefsCopy"));
    rbfuzz::Require(PreferencesFile::Create(*copy, values), "the writer could not write the values read");
    const rb::Ref<rb::BinaryStream> stream = copy->OpenAsBinaryFile(false);
    rbfuzz::Require(!stream.IsNil() && stream->Length() == PreferencesFile::Length, "the writer wrote no ten bytes");
    const auto again = PreferencesFile::Read(*stream);
    rbfuzz::Require(again.has_value() && Same(*again, values), "the values written read back otherwise");
}

std::optional<PreferencesFile::Values> ReadAsTheGameDoes(rb::BinaryStream& stream)
{
    const std::int64_t start = stream.Position();
    const auto values = PreferencesFile::Read(stream);
    rbfuzz::Require(values.has_value() == (start <= stream.Length() - PreferencesFile::Length),
                    "Read does not say whether ten bytes were there");
    rbfuzz::Require(!values || (stream.Position() == start + PreferencesFile::Length && !stream.EndOfFile()),
                    "Read did not take exactly ten bytes");
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto file = rb::New<rb::FolderItem>(rbfuzz::WriteFile(bytes, PreferencesFile::Name));
    const rb::Ref<rb::BinaryStream> stream = file->OpenAsBinaryFile(false);
    rbfuzz::Require(!stream.IsNil(), "the written file does not open");
    rbfuzz::Require(stream->Length() == static_cast<std::int64_t>(size), "Length is not the file's size");
    if (const auto values = ReadAsTheGameDoes(*stream))
        WriteAndReadAgain(*values);

    std::span<const std::uint8_t> input = bytes;
    for (std::uint32_t reads = rbfuzz::Take(input, 1); reads > 0 && !input.empty(); --reads) {
        stream->Position(static_cast<std::int64_t>(rbfuzz::TakeWord(input)));
        ReadAsTheGameDoes(*stream);
    }
    stream->WriteBoolean(true);
    rbfuzz::Require(stream->LastErrorCode() != 0, "a read-only stream took a write");
    stream->Close();
    stream->ReadDouble();
    rbfuzz::Require(stream->EndOfFile(), "a closed stream read a Double");
    return 0;
}
