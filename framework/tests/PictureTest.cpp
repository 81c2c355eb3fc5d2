#include "graphics/QtPicture.h"
#include "rb/FolderItem.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <zlib.h>

#include <utility>

namespace {

using rb::New;
using rb::Picture;
using rb::Ref;

QImage Pattern(int width, int height, bool withAlpha)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 40 % 256, y * 70 % 256, (x + y) * 25 % 256, withAlpha ? x * 255 / (width - 1) : 255));
    return image;
}

class PictureTest : public testing::Test {
protected:
    Ref<Picture> Saved(const QImage& image, const char* name)
    {
        const QString path = folder_.filePath(name);
        image.save(path, "PNG");
        return rb::FolderItem(path.toStdString()).OpenAsPicture();
    }

    // The picture drawn over the backdrop, as it shows.
    static QImage Over(const Ref<Picture>& backdrop, const Ref<Picture>& top)
    {
        auto target = New<Picture>(backdrop->Width(), backdrop->Height(), 32);
        target->Graphics()->DrawPicture(backdrop, 0, 0);
        target->Graphics()->DrawPicture(top, 0, 0);
        return rb::ToQImage(*target);
    }

    static Ref<Picture> Filled(QColor colour)
    {
        QImage image(8, 4, QImage::Format_ARGB32);
        image.fill(colour);
        return rb::PictureFromImage(image);
    }

    QTemporaryDir folder_;
};

TEST_F(PictureTest, CopyWithACopyOfTheMaskDrawsTheSamePixelsAsTheOriginalOverAnyBackdrop)
{
    const Ref<Picture> backdrops[] = {Filled(Qt::white), Filled(Qt::black), Filled(QColor(30, 200, 90)),
                                      Saved(Pattern(8, 4, false).mirrored(), "backdrop.png")};
    const auto original = Saved(Pattern(8, 4, true), "original.png");
    ASSERT_TRUE(original);
    const QImage beforeMask = Over(backdrops[3], original);

    auto copy = New<Picture>(original->Width(), original->Height(), 32);
    copy->Mask(true)->Graphics()->DrawPicture(original->Mask(true), 0, 0);
    copy->Graphics()->DrawPicture(original, 0, 0);

    EXPECT_EQ(Over(backdrops[3], original), beforeMask) << "asking for the mask changed how the picture shows";
    for (const auto& backdrop : backdrops) {
        SCOPED_TRACE(qPrintable(QString::number(rb::ToQImage(*backdrop).pixel(0, 0), 16)));
        EXPECT_EQ(Over(backdrop, copy), Over(backdrop, original));
    }
}

TEST_F(PictureTest, PngShowsThroughItsAlpha)
{
    const auto original = Saved(Pattern(8, 4, true), "original.png");
    ASSERT_TRUE(original);
    const QImage shown = Over(Filled(Qt::black), original);
    EXPECT_EQ(shown.pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(7, 1), Pattern(8, 4, true).pixel(7, 1));
    EXPECT_NE(shown.pixel(4, 1), qRgb(0, 0, 0));
    EXPECT_NE(shown.pixel(4, 1), Pattern(8, 4, true).pixel(4, 1));
}

TEST_F(PictureTest, MaskIsBlackOpaqueWhiteClearGreyBetween)
{
    const struct {
        QColor mask;
        QRgb shows;
    } rows[] = {
        {Qt::black, qRgb(255, 0, 0)}, {Qt::white, qRgb(0, 0, 255)}, {QColor(128, 128, 128), qRgb(127, 0, 128)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.mask.name()));
        auto picture = New<Picture>(8, 4, 32);
        picture->Graphics()->DrawPicture(Filled(Qt::red), 0, 0);
        EXPECT_FALSE(picture->Mask(false));
        picture->Mask(true)->Graphics()->DrawPicture(Filled(row.mask), 0, 0);
        const QRgb shown = Over(Filled(Qt::blue), picture).pixel(3, 2);
        EXPECT_NEAR(qRed(shown), qRed(row.shows), 1);
        EXPECT_NEAR(qBlue(shown), qBlue(row.shows), 1);
    }
}

// Regression guard for the cached forms a picture is drawn from: a change made
// after the picture showed shows at its next draw.
TEST_F(PictureTest, ChangeAfterThePictureShowedShowsNext)
{
    auto picture = New<Picture>(8, 4, 32);
    picture->Graphics()->DrawPicture(Filled(Qt::red), 0, 0);
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(3, 2), qRgb(255, 0, 0));

    picture->Mask(true)->Graphics()->DrawPicture(Filled(Qt::white), 0, 0);
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(3, 2), qRgb(0, 0, 255)) << "a clear mask";
    picture->Mask(false)->Graphics()->DrawPicture(Filled(Qt::black), 0, 2);
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(3, 2), qRgb(255, 0, 0)) << "the mask opaque again in part";
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(3, 1), qRgb(0, 0, 255));

    picture->Graphics()->DrawPicture(Filled(Qt::green), 0, 0);
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(3, 2), qRgb(0, 255, 0)) << "the colour drawn into";
}

TEST_F(PictureTest, PictureDrawnOverTheWholeOfAnotherStaysAsItWasWhenEitherChanges)
{
    const auto red = Filled(Qt::red);
    auto copy = New<Picture>(8, 4, 32);
    copy->Graphics()->DrawPicture(red, 0, 0);
    red->Graphics()->DrawPicture(Filled(Qt::green), 4, 0);
    EXPECT_EQ(Over(Filled(Qt::blue), copy).pixel(6, 1), qRgb(255, 0, 0));
    copy->Graphics()->DrawPicture(Filled(Qt::black), 0, 2);
    EXPECT_EQ(Over(Filled(Qt::blue), red).pixel(1, 3), qRgb(255, 0, 0));
    EXPECT_EQ(Over(Filled(Qt::blue), red).pixel(6, 1), qRgb(0, 255, 0));
}

// A source less opaque than the mask mixes with the colour there, weighed
// against the mask's opacity; one at least as opaque replaces it.
TEST_F(PictureTest, ColourDrawnIntoAMaskedPictureIsWeighedAgainstItsMask)
{
    const struct {
        int sourceAlpha;
        QRgb colour; // the masked picture's colour afterwards, read by Pixel
    } rows[] = {{0, qRgb(0, 0, 255)}, {64, qRgb(128, 0, 127)}, {128, qRgb(255, 0, 0)}, {255, qRgb(255, 0, 0)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sourceAlpha);
        auto picture = New<Picture>(8, 4, 32);
        picture->Graphics()->DrawPicture(Filled(Qt::blue), 0, 0);
        picture->Mask(true)->Graphics()->DrawPicture(Filled(QColor(127, 127, 127)), 0, 0);
        picture->Graphics()->DrawPicture(Filled(QColor(255, 0, 0, row.sourceAlpha)), 0, 0);
        const rb::Color colour = picture->Graphics()->Pixel(3, 2);
        EXPECT_NEAR(colour.R, qRed(row.colour), 1);
        EXPECT_NEAR(colour.B, qBlue(row.colour), 1);
    }
}

TEST_F(PictureTest, NewPictureIsOpaqueWhite)
{
    EXPECT_EQ(Over(Filled(Qt::black), New<Picture>(8, 4, 32)).pixel(5, 3), qRgb(255, 255, 255));
}

TEST_F(PictureTest, PixelReadsTheDrawnColourAndBlackOutside)
{
    auto picture = New<Picture>(8, 4, 32);
    auto graphics = picture->Graphics();
    graphics->DrawPicture(Filled(QColor(254, 255, 255)), 2, 1);
    graphics->DrawPicture(nullptr, 0, 0);
    EXPECT_EQ(graphics->Pixel(2, 1), rb::RGB(254, 255, 255));
    EXPECT_EQ(graphics->Pixel(1, 1), rb::RGB(255, 255, 255));
    EXPECT_EQ(graphics->Pixel(8, 0), rb::RGB(0, 0, 0));
    EXPECT_EQ(graphics->Pixel(-1, 0), rb::RGB(0, 0, 0));
}

TEST_F(PictureTest, ImpossibleSizeOrDepthThrows)
{
    EXPECT_THROW(New<Picture>(0, 4, 32), rb::UsageException);
    EXPECT_THROW(New<Picture>(20000, 20000, 32), rb::UsageException);
    EXPECT_THROW(New<Picture>(8, 4, 8), rb::UsageException);
}

// A PNG whose bytes are changed at that offset from its end, its chunk's
// checksum made to match again when asked.
QByteArray Damaged(const QByteArray& png, int fromEnd, bool checksumMatching)
{
    QByteArray bytes = png;
    const qsizetype iend = bytes.lastIndexOf("IEND") - 4;
    const qsizetype at = iend - fromEnd;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x5a);
    if (checksumMatching) {
        // The last chunk before IEND is image data: its checksum is the 4 bytes before IEND.
        const qsizetype dataStart = bytes.lastIndexOf("IDAT");
        const auto crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.constData() + dataStart), iend - 4 - dataStart);
        for (int i = 0; i < 4; ++i)
            bytes[iend - 4 + i] = static_cast<char>(crc >> (24 - 8 * i));
    }
    return bytes;
}

TEST_F(PictureTest, DamagedImageDataGivesNilOrAClearPictureOfItsSize)
{
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        Pattern(8, 4, false).save(&buffer, "PNG");
    }
    const QString damaged = folder_.filePath("damaged.png");
    const QString undecodable = folder_.filePath("undecodable.png");
    for (const auto& [path, matching] : {std::pair{damaged, false}, std::pair{undecodable, true}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Damaged(png, 8, matching));
    }
    EXPECT_FALSE(rb::FolderItem(damaged.toStdString()).OpenAsPicture()) << "a chunk whose checksum fails";

    const auto picture = rb::FolderItem(undecodable.toStdString()).OpenAsPicture();
    ASSERT_TRUE(picture) << "the file is whole; only its image data is wrong";
    EXPECT_EQ(picture->Width(), 8);
    EXPECT_EQ(picture->Height(), 4);
    EXPECT_EQ(Over(Filled(Qt::blue), picture).pixel(7, 3), qRgb(0, 0, 255)) << "it shows clear";
}

// The file is read when it is opened; its pixels are decoded from what was
// read, at their first use.
TEST_F(PictureTest, APictureShowsWhatItsFileHeldWhenOpened)
{
    const QString path = folder_.filePath("gone.png");
    ASSERT_TRUE(Pattern(8, 4, false).save(path, "PNG"));
    const auto picture = rb::FolderItem(path.toStdString()).OpenAsPicture();
    ASSERT_TRUE(picture);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(Over(Filled(Qt::black), picture).pixel(5, 2), Pattern(8, 4, false).pixel(5, 2));
}

TEST_F(PictureTest, BadFileGivesNil)
{
    const char* names[] = {"truncated.png", "huge.png", "text.mp3", "zero.wav", "missing.png"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(rb::FolderItem(std::string(RB_TEST_DATA_DIR) + "/" + name).OpenAsPicture());
    }
}

} // namespace
