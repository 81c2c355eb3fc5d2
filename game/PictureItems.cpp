#include "PictureItems.h"

#include "PictureItem.h"

#define NUBRELLO_DEFINE_PICTURE(name, file)                                                                         \
    rb::Ref<rb::Picture> name()                                                                                      \
    {                                                                                                                \
        static PictureItem item(file);                                                                               \
        return item.Get();                                                                                           \
    }
NUBRELLO_PICTURE_ITEMS(NUBRELLO_DEFINE_PICTURE)
#undef NUBRELLO_DEFINE_PICTURE
