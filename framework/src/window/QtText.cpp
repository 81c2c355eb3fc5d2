#include "window/QtText.h"

namespace rb {

QString ToQtText(const std::string& text)
{
    QString converted = QString::fromStdString(text);
    converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

std::string FromQtText(const QString& text)
{
    QString converted = text;
    converted.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    converted.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return converted.toStdString();
}

Qt::Alignment HorizontalAlignment(int code)
{
    switch (code) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

Qt::Alignment EditAlignment(int code)
{
    return code <= 1 ? Qt::AlignLeft : HorizontalAlignment(code - 1);
}

} // namespace rb
