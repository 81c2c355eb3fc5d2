// Checks the bundle's Resources folder as a build leaves it: every picture the
// game opens by name loads and fits where the game draws it, every sound is a
// file the sound layer can play, and the font carries the family the game asks for.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(RB_BUNDLE_DIR) / "Resources";

constexpr int kBoardWidth = 1000;

enum class Fit {
    Food,    // drawn in a 300 x 239 box and served into the basket
    Exactly, // a backdrop of a control of that size
    Within,  // drawn at natural size in a canvas of that size
    Free,    // checked by a test of its own below
};

struct PictureCase {
    const char* file;
    Fit fit;
    int width = 0;
    int height = 0;
};

const PictureCase kPictures[] = {
    {"artichoke.png", Fit::Food}, {"asparagus.png", Fit::Food}, {"broccoli.png", Fit::Food},
    {"cabbage.png", Fit::Food}, {"carrot.png", Fit::Food}, {"cauliflower.png", Fit::Food},
    {"corn.png", Fit::Food}, {"cucumber.png", Fit::Food}, {"green-onion.png", Fit::Food},
    {"green-pepper.png", Fit::Food}, {"lettuce.png", Fit::Food}, {"onion.png", Fit::Food},
    {"peas.png", Fit::Food}, {"spinach.png", Fit::Food}, {"tomato.png", Fit::Food},
    {"apple.png", Fit::Food}, {"apricot.png", Fit::Food}, {"banana.png", Fit::Food},
    {"blackberry.png", Fit::Food}, {"blueberry.png", Fit::Food}, {"cherry.png", Fit::Food},
    {"grapes.png", Fit::Food}, {"lemon.png", Fit::Food}, {"lime.png", Fit::Food},
    {"orange.png", Fit::Food}, {"peach.png", Fit::Food}, {"pear.png", Fit::Food},
    {"pineapple.png", Fit::Food}, {"strawberry.png", Fit::Food}, {"watermelon.png", Fit::Food},
    {"bagel.png", Fit::Food}, {"bialy.png", Fit::Food}, {"challah.png", Fit::Food},
    {"cinnamon-raisin-bread.png", Fit::Food}, {"cinnamon-roll.png", Fit::Food},
    {"cornbread.png", Fit::Food}, {"cornryebread.png", Fit::Food}, {"cracker.png", Fit::Food},
    {"croissant.png", Fit::Food}, {"dinner-roll.png", Fit::Food}, {"donut.png", Fit::Food},
    {"english-muffin.png", Fit::Food}, {"french_bread.png", Fit::Food},
    {"french-roll.png", Fit::Food}, {"pancakes.png", Fit::Food},
    {"rows.png", Fit::Exactly, 1000, 800},
    {"boxleft.png", Fit::Exactly, 300, 239},
    {"box.png", Fit::Exactly, 300, 239},
    {"boxright.png", Fit::Exactly, 300, 239},
    {"frame.png", Fit::Exactly, 255, 155},
    {"NubrelloIcon.png", Fit::Within, 58, 100},
    {"basket.png", Fit::Free},
    {"scoresign.png", Fit::Free},
    {"shadow.png", Fit::Free},
    {"shadowmask.png", Fit::Free},
};

// A press on a board pixel of exactly this colour does not pick an item up.
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr int kLargestFood = 200;

QImage Picture(const char* file)
{
    return QImage(QString::fromStdString((kResources / file).string()));
}

// The picture's top-left corner when the board centres it across at height y.
QRect CentredOnBoard(const QImage& image, int y)
{
    const int x = static_cast<int>(kBoardWidth / 2.0 - image.width() / 2.0);
    return QRect(x, y, image.width(), image.height());
}

int WhitePixelsShown(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qAlpha(pixel) > 0 && (pixel | 0xFF000000u) == kWhite ? 1 : 0;
        }
    }
    return count;
}

TEST(ResourcesTest, EveryPictureLoadsWithAlphaAndFitsWhereItIsDrawn)
{
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.file);
        const QImage image = Picture(picture.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.hasAlphaChannel());
        switch (picture.fit) {
        case Fit::Food:
            EXPECT_LE(image.width(), kLargestFood);
            EXPECT_LE(image.height(), kLargestFood);
            EXPECT_EQ(WhitePixelsShown(image, image.rect()), 0);
            break;
        case Fit::Exactly:
            EXPECT_EQ(image.size(), QSize(picture.width, picture.height));
            break;
        case Fit::Within:
            EXPECT_LE(image.width(), picture.width);
            EXPECT_LE(image.height(), picture.height);
            break;
        case Fit::Free:
            break;
        }
    }
}

// The rendering for screens of two device pixels a unit: the same picture at
// twice the size, shipped beside it under the name with "@2x".
TEST(ResourcesTest, EveryPictureHasARenderingAtTwiceItsSize)
{
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.file);
        const std::string file = picture.file;
        const std::string doubled = file.substr(0, file.size() - 4) + "@2x.png";
        const QImage image = Picture(picture.file);
        const QImage twice = Picture(doubled.c_str());
        ASSERT_FALSE(twice.isNull());
        EXPECT_TRUE(twice.hasAlphaChannel());
        EXPECT_EQ(twice.size(), image.size() * 2);
        if (picture.fit == Fit::Food) {
            EXPECT_EQ(WhitePixelsShown(twice, twice.rect()), 0);
        }
        // What is opaque at one size is opaque at the other.
        const QImage halved = twice.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int alphaApart = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                alphaApart += std::abs(qAlpha(image.pixel(x, y)) - qAlpha(halved.pixel(x, y))) > 96 ? 1 : 0;
        EXPECT_LE(alphaApart, image.width() * image.height() / 100);
    }
}

TEST(ResourcesTest, BasketCoversTheAreaThatServes)
{
    const QImage basket = Picture("basket.png");
    ASSERT_FALSE(basket.isNull());
    const QRect serving(441, 581, 124, 124);
    EXPECT_TRUE(CentredOnBoard(basket, 525).contains(serving));
}

TEST(ResourcesTest, ScoreSignIsLightWhereTheDigitsStand)
{
    const QImage sign = Picture("scoresign.png");
    ASSERT_FALSE(sign.isNull());
    const QRect drawn = CentredOnBoard(sign, 55);
    const QRect digits(463, 71, 75, 65);
    ASSERT_TRUE(drawn.contains(digits));
    const QRect underDigits = digits.translated(-drawn.topLeft());
    for (int y = underDigits.top(); y <= underDigits.bottom(); ++y) {
        for (int x = underDigits.left(); x <= underDigits.right(); ++x) {
            const QColor colour = sign.pixelColor(x, y);
            ASSERT_EQ(colour.alpha(), 255) << "at " << x << "," << y;
            ASSERT_GT(colour.lightness(), 170) << "at " << x << "," << y;
        }
    }
}

TEST(ResourcesTest, ShadowMaskMatchesTheShadowAndShowsSomeShade)
{
    const QImage shadow = Picture("shadow.png");
    const QImage mask = Picture("shadowmask.png");
    ASSERT_FALSE(shadow.isNull());
    ASSERT_FALSE(mask.isNull());
    EXPECT_EQ(mask.size(), shadow.size());
    // white hides the shade, so a wholly white mask would show none
    EXPECT_LT(WhitePixelsShown(mask, mask.rect()), mask.width() * mask.height());
    EXPECT_EQ(qGray(mask.pixel(0, 0)), 255);
}

TEST(ResourcesTest, BoardIsNotWhiteWhereTheServedItemStands)
{
    const QImage rows = Picture("rows.png");
    ASSERT_FALSE(rows.isNull());
    // the strip the board repaints round the basket, from the tallest item's top down
    const QRect strip(336, 710 - kLargestFood, 583 - 336, kLargestFood);
    EXPECT_EQ(WhitePixelsShown(rows, strip), 0);
}

struct SoundCase {
    const char* file;
    double shortest;
    double longest;
};

const SoundCase kSounds[] = {
    {"Bell2.wav", 0.1, 1.5},
    {"buzz.wav", 0.1, 1.0},
    {"pop.wav", 0.02, 0.3},
    {"children.wav", 2.0, 4.0},
};

std::vector<char> FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t LittleEndian(const std::vector<char>& bytes, std::size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

struct WaveFormat {
    uint32_t formatTag = 0;
    uint32_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t bitsPerSample = 0;
    uint32_t dataBytes = 0;
};

// Reads a RIFF WAVE file's format and data chunks; nothing when it is not one.
std::optional<WaveFormat> ReadWave(const std::vector<char>& bytes)
{
    if (bytes.size() < 12 || std::string(bytes.data(), 4) != "RIFF"
        || std::string(bytes.data() + 8, 4) != "WAVE") {
        return std::nullopt;
    }
    WaveFormat format;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.data() + at, 4);
        const uint32_t size = LittleEndian(bytes, at + 4, 4);
        if (id == "fmt " && size >= 16 && at + 8 + 16 <= bytes.size()) {
            format.formatTag = LittleEndian(bytes, at + 8, 2);
            format.channels = LittleEndian(bytes, at + 10, 2);
            format.sampleRate = LittleEndian(bytes, at + 12, 4);
            format.bitsPerSample = LittleEndian(bytes, at + 22, 2);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            format.dataBytes = size;
            return format;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

TEST(ResourcesTest, EverySoundIsShortSixteenBitPcm)
{
    constexpr uint32_t kPcm = 1;
    for (const auto& sound : kSounds) {
        SCOPED_TRACE(sound.file);
        const auto wave = ReadWave(FileBytes(kResources / sound.file));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->formatTag, kPcm);
        EXPECT_EQ(wave->bitsPerSample, 16u);
        EXPECT_EQ(wave->sampleRate, 44100u);
        ASSERT_GT(wave->channels, 0u);
        const double seconds = static_cast<double>(wave->dataBytes)
            / (wave->sampleRate * wave->channels * (wave->bitsPerSample / 8));
        EXPECT_GE(seconds, sound.shortest);
        EXPECT_LE(seconds, sound.longest);
    }
}

TEST(ResourcesTest, MusicStartsAsAnMp3)
{
    const auto bytes = FileBytes(kResources / "MorningRain.mp3");
    ASSERT_GE(bytes.size(), 4u);
    const bool id3Tag = std::string(bytes.data(), 3) == "ID3";
    const bool frameSync = static_cast<unsigned char>(bytes[0]) == 0xFF
        && (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0;
    EXPECT_TRUE(id3Tag || frameSync);
}

TEST(ResourcesTest, FontFileHasTheFamilyTheGameAsksFor)
{
    const std::string file = (kResources / "Kidprint Regular.scr").string();
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontSetCreate(),
                                                                         &FcFontSetDestroy);
    ASSERT_TRUE(FcFileScan(fonts.get(), nullptr, nullptr, nullptr,
                           reinterpret_cast<const FcChar8*>(file.c_str()), FcTrue));
    ASSERT_GE(fonts->nfont, 1);
    FcChar8* family = nullptr;
    ASSERT_EQ(FcPatternGetString(fonts->fonts[0], FC_FAMILY, 0, &family), FcResultMatch);
    EXPECT_STREQ(reinterpret_cast<const char*>(family), "Kidprint Regular");
}

TEST(ResourcesTest, FontLicenceShipsBesideTheFont)
{
    const auto bytes = FileBytes(kResources / "Kidprint-Regular-LICENSE.txt");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("SIL OPEN FONT LICENSE Version 1.1"), std::string::npos);
}

} // namespace
