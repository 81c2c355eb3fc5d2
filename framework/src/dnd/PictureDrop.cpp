#include "dnd/PictureDrop.h"

#include "graphics/QtPicture.h"
#include "rb/DragItem.h"
#include "rb/RectControl.h"
#include "window/ControlEvents.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// Drags and drops are traced only when asked for (QT_LOGGING_RULES="rb.dnd.debug=true").
Q_LOGGING_CATEGORY(rbDnd, "rb.dnd", QtInfoMsg)

namespace rb {
namespace {

bool Acceptable(const QMimeData& data)
{
    return data.hasFormat(OwnDragMimeType) || data.hasImage() || data.hasUrls() || data.hasText();
}

bool WithinLimit(const QImage& image)
{
    return !image.isNull() && image.width() <= Picture::MaxSide && image.height() <= Picture::MaxSide;
}

class PictureDropFilter : public QObject {
public:
    PictureDropFilter(QWidget* widget, RectControl* control) : QObject(widget), control_(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            Answer(*static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::Drop:
            Drop(*static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    static void Answer(QDropEvent& event)
    {
        if (Acceptable(*event.mimeData()))
            event.acceptProposedAction();
        else
            event.ignore();
    }

    void Drop(QDropEvent& event)
    {
        Answer(event);
        if (!event.isAccepted())
            return;
        auto item = New<DragItem>(DroppedPicture(*event.mimeData()));
        qCDebug(rbDnd, "drop on '%s', picture %s", control_->Name().c_str(),
                item->PictureAvailable() ? "available" : "not available");
        ControlEvents::DropObject(*control_, item, static_cast<std::int32_t>(event.dropAction()));
    }

    RectControl* control_; // owns the widget, which owns this filter
};

} // namespace

void InstallPictureDrop(QWidget* widget, RectControl* control)
{
    static const QString filterName = QStringLiteral("rbPictureDrop");
    widget->setAcceptDrops(true);
    if (widget->findChild<QObject*>(filterName, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* filter = new PictureDropFilter(widget, control);
    filter->setObjectName(filterName);
    widget->installEventFilter(filter);
}

Ref<Picture> DroppedPicture(const QMimeData& data)
{
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (WithinLimit(image))
            return PictureFromImage(image);
    }
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        if (auto picture = LoadPicture(url.toLocalFile().toStdString()))
            return picture;
    }
    return {};
}

} // namespace rb
