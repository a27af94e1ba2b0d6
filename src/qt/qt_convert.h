// Conversions between the run-time's plain values and Qt's.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <string>

namespace qtfront {

// Colours in the model are 0xRRGGBB.
inline QColor ToQColor(int rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A control's own text colour applies while it is usable; a dimmed control
// keeps the style's grey so the operator sees at once that it takes no input.
inline void SetTextColour(QPalette& pal, QPalette::ColorRole role, int rgb) {
  pal.setColor(QPalette::Active, role, ToQColor(rgb));
  pal.setColor(QPalette::Inactive, role, ToQColor(rgb));
}

// Operator texts are UTF-8 in the model.
inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQString(const QString& text) {
  return text.toStdString();
}

// File paths use the local encoding of the file system.
inline QString PathToQString(const std::string& path) {
  return QString::fromLocal8Bit(path);
}
inline std::string PathFromQString(const QString& path) {
  return path.toLocal8Bit().toStdString();
}

}  // namespace qtfront
