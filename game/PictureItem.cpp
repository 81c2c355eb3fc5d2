#include "PictureItem.h"

#include "rb/Application.h"

rb::Ref<rb::Picture> PictureItem::Get()
{
    if (pic_.IsNil()) {
        const rb::Ref<rb::FolderItem> folder = rb::GetApplicationBundleResources();
        if (!folder.IsNil())
            pic_ = folder->Child(fileName_)->OpenAsPicture();
    }
    return pic_;
}
