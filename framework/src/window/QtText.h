#pragma once
// Texts and their alignments in Qt's terms.

#include <QString>

#include <string>

namespace rb {

// The program's texts break lines with carriage returns; Qt's with line feeds.
QString ToQtText(const std::string& text);
std::string FromQtText(const QString& text);

// 0 left, 1 centre, 2 right.
Qt::Alignment HorizontalAlignment(int code);
// An edit's Alignment: 0 default (left), 1 left, 2 centre, 3 right.
Qt::Alignment EditAlignment(int code);

} // namespace rb
