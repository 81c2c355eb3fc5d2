#include "PreferencesFile.h"

#include "rb/SpecialFolder.h"

rb::Ref<rb::FolderItem> PreferencesFile::Item()
{
    const rb::Ref<rb::FolderItem> folder = rb::SpecialFolder::Preferences();
    return folder.IsNil() ? folder : folder->Child(Name);
}

std::optional<PreferencesFile::Values> PreferencesFile::Read(rb::BinaryStream& stream)
{
    if (stream.Length() - stream.Position() < Length)
        return std::nullopt;
    Values values;
    values.ratio = stream.ReadDouble();
    values.preferred = stream.ReadBoolean();
    values.quiet = stream.ReadBoolean();
    return values;
}

void PreferencesFile::Write(rb::BinaryStream& stream, const Values& values)
{
    stream.Position(0);
    stream.WriteDouble(values.ratio);
    stream.WriteBoolean(values.preferred);
    stream.WriteBoolean(values.quiet);
}

bool PreferencesFile::Create(const rb::FolderItem& file, const Values& values)
{
    const rb::Ref<rb::BinaryStream> stream = file.CreateBinaryFile(FileType);
    if (stream.IsNil())
        return false;
    Write(*stream, values);
    stream->Close();
    return stream->LastErrorCode() == 0;
}
