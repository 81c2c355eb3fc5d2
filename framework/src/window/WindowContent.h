#pragma once

#include <QWidget>

namespace rb {

class Window;

// The window's content area: the back colour and backdrop under the
// controls, and the window's own mouse events.
class WindowContent : public QWidget {
public:
    WindowContent(Window& window, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Window& window_;
};

} // namespace rb
