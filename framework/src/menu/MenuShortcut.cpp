#include "menu/MenuShortcut.h"

#include "window/WindowLog.h"

#include <QStringList>

#include <utility>

namespace rb {

QKeySequence ShortcutFromText(std::string_view text)
{
    if (text.empty())
        return {};
    static const std::pair<const char*, Qt::KeyboardModifier> modifiers[] = {
        {"cmd", Qt::ControlModifier}, {"shift", Qt::ShiftModifier}, {"option", Qt::AltModifier},
        {"alt", Qt::AltModifier},     {"ctrl", Qt::MetaModifier},   {"control", Qt::MetaModifier}};
    QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split('+');
    const QString keyName = parts.takeLast();
    Qt::KeyboardModifiers held;
    for (const QString& part : parts) {
        bool known = false;
        for (const auto& [name, modifier] : modifiers)
            if (part.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
                held |= modifier;
                known = true;
            }
        if (!known) {
            qCWarning(rbWindow) << "shortcut" << text.data() << ": unknown modifier" << part << "; no shortcut";
            return {};
        }
    }
    const QKeySequence key = QKeySequence::fromString(keyName.trimmed(), QKeySequence::PortableText);
    if (key.count() != 1 || key[0].key() == Qt::Key_unknown || key[0].keyboardModifiers() != Qt::NoModifier) {
        qCWarning(rbWindow) << "shortcut" << text.data() << ": no such key; no shortcut";
        return {};
    }
    return QKeySequence(QKeyCombination(held, key[0].key()));
}

} // namespace rb
