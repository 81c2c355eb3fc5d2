#pragma once

#include <QImage>
#include <QWidget>

#include <filesystem>

// The floor of the board's paint: the board's pictures at the board's places,
// drawn by a plain Qt widget with QPainter from images made ready once in
// Qt's fastest formats (premultiplied, or RGB32 where a picture is opaque),
// the shadow already composed through its mask. What Qt itself needs to show
// the same board.
class FloorBoard : public QWidget {
public:
    // The pictures from the bundle's resources folder; the food from its file.
    FloorBoard(const std::filesystem::path& resources, const std::string& foodFile);

    // With the served food, the basket's shadow over it, or neither.
    void Served(bool served) { served_ = served; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage rows_;
    QImage scoresign_;
    QImage food_;
    QImage basket_;
    QImage shadow_;
    bool served_ = false;
};
