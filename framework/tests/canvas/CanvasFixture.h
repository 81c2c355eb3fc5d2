#pragma once

#include "rb/Canvas.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/Window.h"

#include <QColor>
#include <QImage>
#include <QMimeData>
#include <QPoint>
#include <QRgb>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// A shown window of its own for each test, on the offscreen platform, into
// which a test puts canvases and other controls.
class CanvasFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static void ProcessEvents();

    // Binds the canvas's Paint event to the handler.
    static void OnPaint(const rb::Ref<rb::Canvas>& canvas, std::function<void(rb::Ref<rb::Graphics>)> paint);

    // A canvas at that place of the window, added under the name.
    rb::Ref<rb::Canvas> AddCanvas(const std::string& name, int left, int top, int width, int height);
    // Shows the window and lets it paint.
    void Show();
    // The window's content as the screen shows it.
    QImage Screen() const;

    // Delivers a drop of the data at that point of the window, as Qt does: to
    // the widget there that takes drops, or the nearest parent that does.
    // False when nothing took it.
    bool DropAt(QPoint at, const QMimeData& data) const;

    static rb::Ref<rb::Picture> Filled(QColor colour, int width, int height);
    // A picture whose alpha falls from opaque on the left to clear on the
    // right, as a PNG's does; its mask is made from that alpha when asked for.
    static rb::Ref<rb::Picture> Fading(QColor colour, int width, int height);

    rb::Ref<rb::Window> window_;
};
