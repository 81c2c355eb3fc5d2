// Its own program: the shadow pictures are replaced before anything loads them.
#include "BoardPaint.h"
#include "GameFixture.h"

#include "Window1.h"

#include <QImage>

namespace {

using NarrowShadow = GameFixture;

void WriteSolid(const std::filesystem::path& file, int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
}

TEST_F(NarrowShadow, StartsAtTheBasketsLeftEdgeNotCentredByItsOwnWidth)
{
    WriteSolid(Resources() / "shadow.png", 100, 40, Qt::black);
    WriteSolid(Resources() / "shadowmask.png", 100, 40, Qt::black);
    StartGame();
    const auto window = Window1::Instance();
    const auto plain = PaintBoard();
    window->inbasket = true;
    const auto shaded = PaintBoard();
    window->inbasket = false;
    EXPECT_EQ(Differences(shaded, plain, {0, 0, 1000, 800}), (PixelBox{380, 560, 480, 600}));
}

} // namespace
