// OpenAsPicture and OpenAsSound on any file: each gives a picture or sound, or
// nil, and what it gives can be used.
#include "FuzzSupport.h"

#include "rb/FolderItem.h"
#include "rb/Picture.h"
#include "rb/Sound.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    rbfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = rb::New<rb::FolderItem>(rbfuzz::WriteFile({data, size}, "input"));
    if (const rb::Ref<rb::Picture> picture = file->OpenAsPicture(); !picture.IsNil()) {
        rbfuzz::Require(picture->Width() >= 1 && picture->Width() <= rb::Picture::MaxSide, "picture too wide");
        rbfuzz::Require(picture->Height() >= 1 && picture->Height() <= rb::Picture::MaxSide, "picture too high");
        picture->Mask(true);
    }
    if (const rb::Ref<rb::Sound> sound = file->OpenAsSound(); !sound.IsNil())
        rbfuzz::Require(sound->Name() == "input", "the sound lost its name");
    return 0;
}
