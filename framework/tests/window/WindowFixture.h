#pragma once

#include "rb/PropertyList.h"
#include "rb/Window.h"

#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class QWidget;

// A window whose events are written to a log and whose building is given by
// the test.
class TestWindow : public rb::Window {
public:
    explicit TestWindow(std::string fullClassName = "TestWindow.TestWindow") : Window(std::move(fullClassName)) {}

    std::vector<std::string> log;
    std::function<void(TestWindow&)> layout;
    std::function<void(TestWindow&)> createControls;
    std::function<void(TestWindow&)> open;
    bool refuseClose = false;
    bool claimMouse = false;
    std::vector<bool> closeAsked; // the appQuitting flag of each CancelClose

    // A new window of the class, built.
    static rb::Ref<TestWindow> Build(std::function<void(TestWindow&)> createControls = {},
                                     std::string fullClassName = "TestWindow.TestWindow");

    // Makes a control of class T through the window, adds it under the name
    // and applies the list.
    template <class T>
    rb::Ref<T> Add(const std::string& name, const std::string& properties = {});

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rb::Ref<rb::Window>) override { log.push_back("AddMenuHandlers"); }
    void Event_Open() override;
    void Event_Activate() override { log.push_back("Activate"); }
    bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
    void Event_MouseUp(std::int32_t x, std::int32_t y) override;
    void Event_MouseEnter() override { log.push_back("MouseEnter"); }
    bool Event_CancelClose(bool appQuitting) override;
};

// A Qt application made once and opened, and no window left behind by a test.
class WindowFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    void TearDown() override;

    static void ProcessEvents();
};

// Real Qt input, delivered as the window system would: to the widget under
// the point, then up through its parents while it is not taken.
namespace Player {

// The widget that a click at that point of the widget reaches first.
QWidget* WidgetAt(QWidget* widget, QPoint at);
void Press(QWidget* widget, QPoint at);
void Release(QWidget* widget, QPoint at);
void Click(QWidget* widget, QPoint at);
// A key press and release; a printable character is typed as itself.
void Key(QWidget* widget, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Type(QWidget* widget, const QString& text);

} // namespace Player

template <class T>
rb::Ref<T> TestWindow::Add(const std::string& name, const std::string& properties)
{
    auto control = NewControl<T>();
    control->Constructor();
    AddControl(name, control);
    if (!properties.empty())
        rb::SetProperties(control, properties);
    return control;
}
