#pragma once

// For the galleries, windows to look at under a real X server: shows the
// window that make builds and runs until it is closed; with "--grab
// <file.png>" saves what the window shows and quits instead, so that ctest
// can run a gallery offscreen. A nil window ends the run with status 1.
#include "rb/Runtime.h"
#include "rb/Window.h"
#include "rb/qt/QtAccess.h"

#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

inline int RunGallery(int argc, char** argv, const std::function<rb::Ref<rb::Window>()>& make)
{
    rb::RuntimeInit(argc, argv);
    auto gallery = make();
    if (!gallery)
        return 1;
    gallery->Constructor();
    gallery->Show();
    int result = 0;
    if (argc == 3 && std::string(argv[1]) == "--grab") {
        const QString file = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(200, [&result, &gallery, file] {
            result = rb::FrameWidgetOf(*gallery)->grab().save(file) ? 0 : 1;
            rb::Quit(0);
        });
    }
    const int exitCode = rb::RuntimeRun();
    gallery = nullptr;
    rb::RuntimeExit();
    return exitCode != 0 ? exitCode : result;
}
