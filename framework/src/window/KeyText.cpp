#include "window/KeyText.h"

#include <QKeyEvent>

#include <utility>

namespace rb {

std::string KeyText(const QKeyEvent& event)
{
    static const std::pair<int, char> editingKeys[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 3},  {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},   {Qt::Key_Escape, 27}, {Qt::Key_Delete, 127}, {Qt::Key_Left, 28},
        {Qt::Key_Right, 29},    {Qt::Key_Up, 30},     {Qt::Key_Down, 31}};
    for (const auto& [key, code] : editingKeys)
        if (event.key() == key)
            return std::string(1, code);
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return {};
    return text.toStdString();
}

} // namespace rb
