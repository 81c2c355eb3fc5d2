#include "core/ScreenFit.h"

#include "core/ScreenScale.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(rbScreen, "rb.screen", QtInfoMsg)

namespace rb {
namespace {

// Room for a title bar and borders as the common window managers draw them:
// the real frame is known only once a window shows, and the scale must be
// chosen before the first window is made.
constexpr QSizeF FrameAllowance(16, 40);

constexpr double RatioSteps = 40.0;
constexpr double SmallestRatio = 0.25;

double MenuBarHeight()
{
    QMenuBar bar;
    bar.addMenu(QStringLiteral("File"));
    return bar.sizeHint().height();
}

} // namespace

double ScreenFitScale(const ScreenRoom& room)
{
    if (room.available.isEmpty() || room.window.isEmpty() || !(room.pixelRatio > 0.0))
        return 1.0;
    const QSizeF frame = room.frame / room.pixelRatio;
    const double fit = std::min((room.available.width() - frame.width()) / room.window.width(),
                                (room.available.height() - frame.height()) / room.window.height());
    if (fit >= 1.0)
        return 1.0;
    // The small term keeps a product that should be whole from falling below it.
    const double ratio = std::floor(room.pixelRatio * fit * RatioSteps + 1e-9) / RatioSteps;
    return std::min(std::max(ratio, SmallestRatio) / room.pixelRatio, 1.0);
}

void FitToScreen(LargestWindow largest)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || largest.width <= 0 || largest.height <= 0)
        return;
    const ScreenRoom room{screen->availableGeometry().size().toSizeF(),
                          QSizeF(largest.width, largest.height + MenuBarHeight()), FrameAllowance,
                          screen->devicePixelRatio()};
    const double scale = ScreenFitScale(room);
    qCDebug(rbScreen, "screen area %g x %g at %g device pixels a unit, window %g x %g: scale %g",
            room.available.width(), room.available.height(), room.pixelRatio, room.window.width(),
            room.window.height(), scale);
    if (scale < 1.0)
        ScreenScale::Set(scale);
}

} // namespace rb
