#include "FloorBoard.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

bool Opaque(const QImage& image)
{
    const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar* line = alpha.constScanLine(y);
        if (!std::all_of(line, line + alpha.width(), [](uchar a) { return a == 255; }))
            return false;
    }
    return true;
}

QImage Ready(const std::filesystem::path& file)
{
    QImage image(QString::fromStdString(file.string()));
    if (image.isNull())
        throw std::runtime_error("the floor cannot read " + file.string());
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (Opaque(image))
        image.convertTo(QImage::Format_RGB32);
    return image;
}

// The shadow through its mask (black opaque, white clear).
QImage Shadow(const std::filesystem::path& resources)
{
    QImage shadow = Ready(resources / "shadow.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage alpha = Ready(resources / "shadowmask.png").convertToFormat(QImage::Format_Grayscale8);
    alpha.invertPixels();
    alpha.reinterpretAsFormat(QImage::Format_Alpha8);
    QPainter painter(&shadow);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, alpha);
    return shadow;
}

int CentredLeft(int boardWidth, int width)
{
    return static_cast<int>(boardWidth / 2.0 - width / 2.0);
}

} // namespace

FloorBoard::FloorBoard(const std::filesystem::path& resources, const std::string& foodFile)
    : rows_(Ready(resources / "rows.png")), scoresign_(Ready(resources / "scoresign.png")),
      food_(Ready(resources / foodFile)), basket_(Ready(resources / "basket.png")), shadow_(Shadow(resources))
{
    setFixedSize(rows_.size());
}

// As the board paints: backdrop, score sign, food, basket, shadow.
void FloorBoard::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, rows_);
    painter.drawImage(CentredLeft(width(), scoresign_.width()), 55, scoresign_);
    const int basketLeft = CentredLeft(width(), basket_.width());
    if (served_)
        painter.drawImage(CentredLeft(width(), food_.width()), 710 - food_.height(), food_);
    painter.drawImage(basketLeft, 525, basket_);
    if (served_)
        painter.drawImage(basketLeft, 560, shadow_);
}
