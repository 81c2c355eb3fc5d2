#include "core/ScreenScale.h"

#include "rb/testing/ScreenScale.h"

#include <QApplication>
#include <QFont>

#include <cmath>
#include <optional>

namespace rb {
namespace {

double& StoredFactor()
{
    static double factor = 1.0;
    return factor;
}

int Edge(double design)
{
    return static_cast<int>(std::lround(design * ScreenScale::Factor()));
}

int DesignEdge(double screen, bool up)
{
    const double design = screen / ScreenScale::Factor();
    return static_cast<int>(up ? std::ceil(design - 1e-9) : std::floor(design + 1e-9));
}

QFont Scaled(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    return font;
}

} // namespace

double ScreenScale::Factor()
{
    return StoredFactor();
}

double ScreenScale::DevicePixelsPerUnit()
{
    return Factor() * (qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

void ScreenScale::Set(double factor)
{
    static std::optional<QFont> designFont;
    if (!designFont)
        designFont = QApplication::font();
    StoredFactor() = factor > 0.0 && factor < 1.0 ? factor : 1.0;
    QApplication::setFont(Scaled(*designFont, StoredFactor()));
}

int ScreenScale::Length(int design)
{
    return Edge(design);
}

QSize ScreenScale::Size(QSize design)
{
    return {Edge(design.width()), Edge(design.height())};
}

QRect ScreenScale::Rect(const QRect& design)
{
    const int left = Edge(design.x());
    const int top = Edge(design.y());
    return {left, top, Edge(double(design.x()) + design.width()) - left,
            Edge(double(design.y()) + design.height()) - top};
}

QRect ScreenScale::Covering(const QRect& design)
{
    const double factor = Factor();
    const QPoint topLeft(static_cast<int>(std::floor(design.x() * factor + 1e-9)),
                         static_cast<int>(std::floor(design.y() * factor + 1e-9)));
    const QPoint beyond(static_cast<int>(std::ceil((double(design.x()) + design.width()) * factor - 1e-9)),
                        static_cast<int>(std::ceil((double(design.y()) + design.height()) * factor - 1e-9)));
    return {topLeft, beyond - QPoint(1, 1)};
}

QPoint ScreenScale::Design(QPointF screen)
{
    return {DesignEdge(screen.x() + 0.5, false), DesignEdge(screen.y() + 0.5, false)};
}

int ScreenScale::DesignLength(int screen)
{
    return static_cast<int>(std::lround(screen / Factor()));
}

QRegion ScreenScale::DesignRegion(const QRegion& screen)
{
    if (Factor() == 1.0)
        return screen;
    QRegion design;
    for (const QRect& rect : screen) {
        const QPoint topLeft(DesignEdge(rect.x(), false), DesignEdge(rect.y(), false));
        const QPoint bottomRight(DesignEdge(double(rect.x()) + rect.width(), true),
                                 DesignEdge(double(rect.y()) + rect.height(), true));
        design += QRect(topLeft, bottomRight - QPoint(1, 1));
    }
    return design;
}

} // namespace rb

namespace rb::testing {

void SetScreenScale(double factor)
{
    ScreenScale::Set(factor);
}

double ScreenScaleFactor()
{
    return ScreenScale::Factor();
}

} // namespace rb::testing
