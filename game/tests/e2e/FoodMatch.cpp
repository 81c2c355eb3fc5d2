// Says which food a screenshot of the game shows at a place, from the
// catalogue's own pictures: the sample in a box, or the served item's drag
// image moved by the mouse. Prints the food key, or fails.
//
// Usage: FoodMatch [--scaled] <bundle> <screenshot.png> <board x> <board y> box <index>
//        FoodMatch [--scaled] <bundle> <screenshot.png> <board x> <board y> drag <dx> <dy>
// (board x, y: where the board's top-left corner is on the screenshot.
// --scaled: the screenshot of a board that the program scaled down, brought
// back to its design size, whose blurred edges may stand a unit or two away.)
#include "Module1.h"

#include "rb/FolderItem.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/Runtime.h"
#include "rb/Text.h"
#include "rb/testing/TestBundle.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

namespace {

struct Place {
    std::int32_t x;
    std::int32_t y;
};

constexpr Place Boxes[] = {{45, 173}, {352, 166}, {656, 173}};

// Where the picture shows on the board: centred in the box (lowered by 15
// when not as high as it), or where the served item stands, moved by the drag.
Place Where(const rb::Ref<rb::Picture>& picture, const std::string& mode, std::int32_t a, std::int32_t b)
{
    const double w = picture->Width();
    const double h = picture->Height();
    if (mode == "box") {
        const Place box = Boxes[a];
        const double lowered = picture->Height() == 239 ? 0.0 : 15.0;
        return {box.x + rb::DoubleToInteger(150.0 - w / 2.0),
                box.y + rb::DoubleToInteger(119.5 - h / 2.0 + lowered)};
    }
    return {rb::DoubleToInteger(500.0 - w / 2.0) + a, 710 - picture->Height() + b};
}

bool Near(const rb::Color& p, const rb::Color& q)
{
    return std::abs(p.R - q.R) <= 24 && std::abs(p.G - q.G) <= 24 && std::abs(p.B - q.B) <= 24;
}

// The share of the picture's opaque pixels that the screenshot does not show there.
double Mismatch(const rb::Ref<rb::Picture>& picture, const rb::Ref<rb::Graphics>& shot, Place at)
{
    const auto colour = picture->Graphics();
    const auto mask = picture->Mask(true)->Graphics();
    long opaque = 0;
    long wrong = 0;
    for (std::int32_t y = 0; y < picture->Height(); ++y)
        for (std::int32_t x = 0; x < picture->Width(); ++x) {
            if (!(mask->Pixel(x, y) == rb::Color{0, 0, 0}))
                continue;
            ++opaque;
            wrong += Near(colour->Pixel(x, y), shot->Pixel(at.x + x, at.y + y)) ? 0 : 1;
        }
    return opaque == 0 ? 1.0 : static_cast<double>(wrong) / static_cast<double>(opaque);
}

} // namespace

int main(int argc, char** argv)
{
    const bool scaled = argc > 1 && std::string(argv[1]) == "--scaled";
    if (scaled) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    const double tolerance = scaled ? 0.25 : 0.05;
    const std::int32_t slack = scaled ? 2 : 0;
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr, "usage: FoodMatch [--scaled] <bundle> <screenshot> <board x> <board y> "
                             "box <i> | drag <dx> <dy>\n");
        return 2;
    }
    rb::RuntimeInit(argc, argv);
    rb::testing::OverrideExecutableFile(std::filesystem::path(argv[1]) / "bin" / "Nubrello");
    Module1::dodict();
    const auto screenshot = rb::FolderItem(argv[2]).OpenAsPicture();
    if (screenshot.IsNil()) {
        std::fprintf(stderr, "FoodMatch: cannot read %s\n", argv[2]);
        return 2;
    }
    const auto shot = screenshot->Graphics();
    const Place board{std::atoi(argv[3]), std::atoi(argv[4])};
    const std::string mode = argv[5];
    const std::int32_t a = std::atoi(argv[6]);
    const std::int32_t b = argc == 8 ? std::atoi(argv[7]) : 0;
    if ((mode != "box" || a < 0 || a > 2 || argc != 7) && (mode != "drag" || argc != 8)) {
        std::fprintf(stderr, "FoodMatch: give box <0 to 2> or drag <dx> <dy>\n");
        return 2;
    }

    std::string best;
    double bestMismatch = std::numeric_limits<double>::max();
    for (const char* group : {"f", "v", "b"})
        for (int number = 1; number <= 15; ++number) {
            const std::string key = group + std::to_string(number);
            const auto picture = Module1::d->Value(key).ObjectValue<rb::Picture>();
            const Place at = Where(picture, mode, a, b);
            for (std::int32_t dy = -slack; dy <= slack; ++dy)
                for (std::int32_t dx = -slack; dx <= slack; ++dx) {
                    const double mismatch = Mismatch(picture, shot, {board.x + at.x + dx, board.y + at.y + dy});
                    if (mismatch < bestMismatch) {
                        bestMismatch = mismatch;
                        best = key;
                    }
                }
        }
    if (bestMismatch > tolerance) {
        std::fprintf(stderr, "FoodMatch: no food there (closest %s, %.0f%% of it differs)\n", best.c_str(),
                     bestMismatch * 100.0);
        return 1;
    }
    std::printf("%s\n", best.c_str());
    return 0;
}
