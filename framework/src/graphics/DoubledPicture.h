#pragma once

#include "rb/Picture.h"

#include <QImage>
#include <QPointF>

#include <filesystem>

class QPainter;

namespace rb {

// A picture's rendering at twice its size, which screens of more than one
// device pixel a design unit show instead of the picture: it is drawn into
// alongside the picture, and a mask's is its picture's doubled mask. Width,
// Height, Pixel and Mask answer for the picture alone, in design units.

// Whether this run's screens want doubled pictures; at one device pixel a
// unit or fewer, no picture gets one.
bool DoubledWanted();

// The file "name@2x.png" beside "name.png".
std::filesystem::path DoubledFile(const std::filesystem::path& file);

// Gives a picture just loaded from the file its doubled rendering, from the
// doubled file, when there is one of exactly twice the size; one that is not,
// or does not decode, is said and left aside.
void LoadDoubled(Picture& picture, const std::filesystem::path& file);

// Makes the doubled mask of a picture that has a doubled rendering, once its
// mask is made.
void DoubleMask(Picture& picture);

// What was drawn into the target at that point, drawn into its doubled
// rendering too, where the target or the source has one.
void DrawDoubled(Picture& target, const Picture& source, QPoint at);

// What shows the picture where a unit gets that many device pixels: its
// doubled rendering where it has one and a unit gets more than one pixel.
const QImage& ShownImage(const Picture& picture, double devicePixelsPerUnit);

// Draws the picture at its design size with the painter, from its doubled
// rendering where the painter puts more than one device pixel on a unit;
// smoothly where it is scaled (only there: with the hint set, Qt draws even
// unscaled pictures on its slow path).
void DrawShown(QPainter& painter, QPointF at, const Picture& picture);

} // namespace rb
