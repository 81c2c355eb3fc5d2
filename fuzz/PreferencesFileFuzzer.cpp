// The start-up's reading of the preferences file: a Double and two Booleans
// from the start when the file holds at least ten bytes, then the same reads
// at positions the input chooses. The first byte is the number of extra reads,
// each position eight bytes after it; the whole input is the file.
#include "FuzzSupport.h"

#include "rb/BinaryStream.h"
#include "rb/FolderItem.h"

namespace {

void ReadAsTheGameDoes(rb::BinaryStream& stream)
{
    const std::int64_t start = stream.Position();
    const bool tooShort = start > stream.Length() - 10;
    stream.ReadDouble();
    stream.ReadBoolean();
    stream.ReadBoolean();
    rbfuzz::Require(stream.EndOfFile() == tooShort, "EndOfFile does not say whether ten bytes were there");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto file = rb::New<rb::FolderItem>(rbfuzz::WriteFile(bytes, "NubrelloPrefs"));
    const rb::Ref<rb::BinaryStream> stream = file->OpenAsBinaryFile(false);
    rbfuzz::Require(!stream.IsNil(), "the written file does not open");
    rbfuzz::Require(stream->Length() == static_cast<std::int64_t>(size), "Length is not the file's size");
    ReadAsTheGameDoes(*stream);

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
