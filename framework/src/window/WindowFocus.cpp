#include "window/WindowFocus.h"

namespace rb::focus {
namespace {

bool TakesText(const QWidget* frame, const QWidget* w)
{
    return frame->isAncestorOf(w) && w->isVisibleTo(frame) && w->isEnabled() &&
           w->testAttribute(Qt::WA_InputMethodEnabled) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

} // namespace

void GiveToFirstControl(QWidget* frame)
{
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain()) {
        if (TakesText(frame, w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    frame->setFocus(Qt::OtherFocusReason);
}

void GiveBack(const QPointer<QWidget>& control)
{
    if (!control || !control->isVisible() || !control->isEnabled())
        return;
    QWidget* window = control->window();
    if (const QWidget* now = window->focusWidget(); now && now != control && now->isVisible())
        return;
    window->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace rb::focus
