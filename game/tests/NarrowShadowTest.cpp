// Its own program: the shadow pictures are replaced before anything loads them.
#include "BoardPaint.h"
#include "GameFixture.h"

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
    EXPECT_EQ(ShadowDifferences(), (PixelBox{380, 560, 480, 600}));
}

} // namespace
