#pragma once

#include "Window1.h"

#include "rb/Object.h"

#include <QImage>

#include <filesystem>
#include <string>

class QWidget;

// The real game, started in-process on the offscreen platform from the built
// bundle, for the benchmarks to drive.
namespace BenchGame {

// The offscreen platform and a preferences file of our own, saved once, so
// that the start-up shows the board without the preferences editor.
void PrepareEnvironment();
// The start-up routine and the Open events, without the event loop.
void Start();
// The program's finalisation, then the framework's end.
void Finish();
void ProcessEvents();

// The main window back to no item in play at the start of a game of 42 items,
// the deck refilled when it is empty, its pending repaints done.
rb::Ref<Window1> Reset();
// Reset, then an item served by a release over the basket.
rb::Ref<Window1> Serve();
// Reset, then the food of that key served, the deck left without it.
rb::Ref<Window1> ServeFood(const std::string& key);

QWidget* BoardWidget();
// The format of the image that the board's window paints into.
QImage::Format WindowImageFormat();
// The bundle's resources folder.
std::filesystem::path Resources();
// The box of that group letter ("f", "v", "b").
QWidget* BoxWidget(const std::string& group);

} // namespace BenchGame
