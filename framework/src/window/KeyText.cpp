#include "window/KeyText.h"

#include <QKeyEvent>

#include <optional>
#include <utility>

namespace rb {
namespace {

std::optional<char> NonTextKey(int key)
{
    static const std::pair<int, char> keys[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 3},    {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},   {Qt::Key_Escape, 27}, {Qt::Key_Delete, 127},  {Qt::Key_Left, 28},
        {Qt::Key_Right, 29},    {Qt::Key_Up, 30},     {Qt::Key_Down, 31},     {Qt::Key_Home, 1},
        {Qt::Key_End, 4},       {Qt::Key_PageUp, 11}, {Qt::Key_PageDown, 12}, {Qt::Key_Insert, 5},
        {Qt::Key_Help, 5}};
    for (const auto& [qtKey, code] : keys)
        if (key == qtKey)
            return code;
    return std::nullopt;
}

bool IsModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

std::optional<char> ControlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char>(key - Qt::Key_A + 1);
    if (key == Qt::Key_Space || key == Qt::Key_At)
        return '\0';
    if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore) // [ \ ] ^ _
        return static_cast<char>(key - Qt::Key_BracketLeft + 27);
    return std::nullopt;
}

} // namespace

std::string KeyText(const QKeyEvent& event)
{
    const int key = event.key();
    if (const auto code = NonTextKey(key))
        return std::string(1, *code);
    if (IsModifier(key))
        return {};
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (control)
        if (const auto code = ControlCharacter(key))
            return std::string(1, *code);
    const QString text = event.text();
    if (!text.isEmpty() && text.at(0).isPrint())
        return text.toStdString();
    if (control && key > Qt::Key_Space && key <= Qt::Key_ydiaeresis)
        return QString(QChar(key)).toStdString();
    return std::string(1, '\x10');
}

} // namespace rb
