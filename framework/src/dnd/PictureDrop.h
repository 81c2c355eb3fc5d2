#pragma once

#include "rb/Picture.h"

#include <QLoggingCategory>

class QMimeData;
class QWidget;

Q_DECLARE_LOGGING_CATEGORY(rbDnd)

namespace rb {

class RectControl;

// The widget takes drops of pictures, picture files and text, from this
// program and from others, and raises the control's DropObject event with a
// drag item whose PictureAvailable says whether a picture came.
void InstallPictureDrop(QWidget* widget, RectControl* control);

// The MIME type of this program's own drags; its data is the process id.
inline constexpr const char* OwnDragMimeType = "application/x-rbframework-drag";

// The picture the drop carries: this program's own dragged picture, image
// data, or the first local picture file; nil when there is none.
Ref<Picture> DroppedPicture(const QMimeData& data);

} // namespace rb
