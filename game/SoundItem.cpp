#include "SoundItem.h"

#include "rb/Application.h"

rb::Ref<rb::Sound> SoundItem::Get()
{
    if (!loaded_) {
        loaded_ = true;
        const rb::Ref<rb::FolderItem> folder = rb::GetApplicationBundleResources();
        if (!folder.IsNil())
            permaSound_ = folder->Child(fileName_)->OpenAsSound();
    }
    return permaSound_;
}

void SoundItem::Release()
{
    permaSound_ = nullptr;
}

void SoundItem::Init()
{
    permaSound_ = nullptr;
    loaded_ = false;
}
