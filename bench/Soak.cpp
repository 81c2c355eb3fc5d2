// A long run of the real game in-process, through the events a player's mouse
// and menu make: 200 New Games of three items each (600 serves and drops),
// the resident memory sampled every ten games; then a minute of fast clicks
// on the basket and the boxes while a drag of the served item is under way.
// Prints the figures; exits 1 when the game crashed, stuck or grew by 1 MiB
// or more from the 50th game to the 200th. Run by hand (build/bench/bench_Soak),
// never by ctest: it takes some minutes.
#include "BenchGame.h"
#include "PlayDriver.h"

#include "Class1.h"
#include "Module1.h"
#include "Window1.h"
#include "firstwindow.h"

#include "dnd/DragRunner.h"
#include "rb/PushButton.h"
#include "rb/TextArea.h"
#include "rb/Window.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

int Games = 200; // a first argument changes it
constexpr int ItemsPerGame = 3;
constexpr QPoint Basket{500, 640};

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The bytes the program's heap holds in use, apart from what malloc keeps free.
long HeapInUseKiB()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

void Check(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

// As the event loop does between events: what was posted, then the objects
// whose deletion was deferred, which processEvents outside the loop keeps.
void ProcessEvents()
{
    BenchGame::ProcessEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

rb::Ref<Window1> Main()
{
    return Window1::Instance();
}

rb::Ref<rb::Window> Live(const std::string& className)
{
    return rb::GetImplicitWindow(className + "." + className);
}

rb::Ref<Class1> BoxOfGroup(const std::string& group)
{
    for (std::int32_t index = 0; index < 3; ++index) {
        auto box = rb::RuntimeWindowControlByNameIndex(Main(), "wbox", index).Cast<Class1>();
        if (box->name == group)
            return box;
    }
    throw std::runtime_error("no box of group " + group);
}

void ClickButton(const rb::Ref<rb::Window>& window, const std::string& name)
{
    play::Click(*rb::RuntimeWindowControlByName(window, name).Cast<rb::RectControl>());
    ProcessEvents();
}

// The welcome sheet that New Game showed, answered with the count.
void Answer(int count)
{
    auto sheet = Live("firstwindow").Cast<firstwindow>();
    Check(!sheet.IsNil(), "New Game showed no welcome sheet");
    play::Type(*sheet->TextArea1(), std::to_string(count));
    ClickButton(sheet, "PushButton1");
    Check(Live("firstwindow").IsNil(), "the welcome sheet stayed after OK");
}

// A release over the basket, then the served item dropped on its own box.
void ServeAndDrop()
{
    play::Click(*Main(), Basket);
    ProcessEvents();
    Check(!Main()->pix.IsNil(), "a click on the basket served nothing");
    play::DropPicture(*BoxOfGroup(Main()->pix->name.substr(0, 1)));
    ProcessEvents();
    Check(Main()->pix.IsNil() && !Main()->waiting, "a drop left the item waiting");
}

// Returns the growth of the resident memory from the 50th game to the last.
long PlayGames()
{
    long at50 = 0;
    std::printf("%6s %10s %12s\n", "games", "RSS KiB", "heap KiB");
    for (int game = 1; game <= Games; ++game) {
        play::Choose(*Main(), "FileMenu", "FileNew");
        ProcessEvents();
        Answer(ItemsPerGame);
        for (int item = 0; item < ItemsPerGame; ++item)
            ServeAndDrop();
        auto end = Live("endwindow");
        Check(!end.IsNil(), "the last drop opened no end window");
        end->Close();
        ProcessEvents();
        if (game % 10 == 0)
            std::printf("%6d %10ld %12ld\n", game, ResidentKiB(), HeapInUseKiB());
        if (game == 50)
            at50 = ResidentKiB();
    }
    const long growth = ResidentKiB() - at50;
    std::printf("%d games, %d serves and drops; growth from the 50th game to the %dth: %ld KiB\n", Games,
                Games * ItemsPerGame, Games, growth);
    return growth;
}

// For a minute: serve, press on the item, and while its drag runs click the
// basket and each box again and again, then let the drag end (a drop on a
// box, or nowhere); the game must then serve and judge as before.
void ClickDuringDrags()
{
    using Clock = std::chrono::steady_clock;
    int drags = 0;
    long clicks = 0;
    bool dragging = false;
    rb::SetDragRunner([&](QDrag& drag) {
        // A drag holds the pointer: a press that would start another ends it at once.
        if (dragging)
            return Qt::IgnoreAction;
        dragging = true;
        drag.deleteLater(); // as the platform's drag deletes itself when it ends
        for (int round = 0; round < 20; ++round) {
            play::Click(*Main(), Basket);
            for (const char* group : {"f", "v", "b"})
                play::Click(*BoxOfGroup(group));
            clicks += 4;
        }
        dragging = false;
        if (++drags % 2 == 0)
            return Qt::IgnoreAction;
        play::DropPicture(*BoxOfGroup("f"));
        return drag.mimeData()->hasImage() ? Qt::CopyAction : Qt::IgnoreAction;
    });
    play::Choose(*Main(), "FileMenu", "FileNew");
    ProcessEvents();
    Answer(42);
    const auto until = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < until) {
        if (Main()->c == Main()->howmany) {
            if (auto end = Live("endwindow"))
                end->Close();
            play::Choose(*Main(), "FileMenu", "FileNew");
            ProcessEvents();
            Answer(42);
        }
        if (Main()->pix.IsNil()) {
            play::Click(*Main(), Basket);
            ProcessEvents();
        }
        Check(!Main()->pix.IsNil() && Main()->waiting, "the basket served nothing after a drag");
        const auto item = Main()->pix;
        play::Press(*Main(), QPoint(item->left + item->width / 2, item->top + item->height / 2));
        ProcessEvents();
        play::Click(*Main(), QPoint(item->left + item->width / 2, item->top + item->height / 2));
        ProcessEvents();
    }
    rb::SetDragRunner({});
    std::printf("a minute of clicks during drags: %d drags, %ld clicks on the basket and the boxes, "
                "%d items served, score %s, RSS %ld KiB\n",
                drags, clicks, Main()->c, Main()->StaticText1()->Text().c_str(), ResidentKiB());
    Check(drags > 0, "no drag started");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        Games = std::stoi(argv[1]);
    BenchGame::PrepareEnvironment();
    BenchGame::Start();
    int status = 0;
    try {
        const long growth = PlayGames();
        if (Games >= 200)
            ClickDuringDrags();
        Check(growth < 1024, "the resident memory grew by 1 MiB or more");
    } catch (const std::exception& error) {
        std::printf("FAILED: %s\n", error.what());
        status = 1;
    }
    BenchGame::Finish();
    return status;
}
