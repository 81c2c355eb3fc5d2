// The start-up benchmark's baseline: a bare Qt Widgets program that opens one
// 1000 x 800 window, paints one picture and ends at its first paint.
// Usage: bench_BareWindow <picture.png>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace {

class PictureWindow : public QWidget {
public:
    explicit PictureWindow(QImage picture) : picture_(std::move(picture)) { setFixedSize(1000, 800); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawImage(0, 0, picture_);
        QCoreApplication::exit(0);
    }

private:
    QImage picture_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return 2;
    }
    QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read the picture %s\n", argv[0], argv[1]);
        return 2;
    }
    PictureWindow window(std::move(picture));
    window.show();
    return QApplication::exec();
}
