#pragma once

#include <QWidget>

namespace rb {

class Canvas;

// Shows a canvas's image. A paint brings the image up to date first (backdrop,
// then the Paint event), unless all it has to show is what was drawn at once.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    CanvasWidget(Canvas& canvas, QWidget* parent);
    // The canvas is going; the widget may outlive it until it is deleted.
    void Forget() { canvas_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Repaint(const QRegion& region);

    Canvas* canvas_;
};

} // namespace rb
