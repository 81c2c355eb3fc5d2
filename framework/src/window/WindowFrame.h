#pragma once

#include <QWidget>

namespace rb {

class Window;

// The widget that is the window: closes through CancelClose (from its frame
// only where a close button is designed), answers Return, Enter and Escape
// with the default and cancel buttons, tells of activation, keeps Tab within
// a sheet or panel, and draws a modal dialog's border.
class WindowFrame : public QWidget {
public:
    explicit WindowFrame(Window& window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Window& window_;
};

} // namespace rb
