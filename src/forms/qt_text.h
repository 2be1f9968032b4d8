// The library holds text as bytes (Windows-1252 sources, UTF-8 file names); Qt holds
// Unicode. These are the only crossings.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

#include "generic/encoding.h"

namespace sorvik {

// Text of the library for a widget: UTF-8 as it is, anything else read as Windows-1252.
inline QString qtText(std::string_view bytes) {
  const std::string utf8 = toUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Text typed into a widget as the library holds it: Windows-1252 when every character has
// a place there, else UTF-8.
inline std::string libraryText(const QString& text) {
  const std::string utf8 = text.toStdString();
  std::string single = utf8ToWindows1252(utf8);
  return windows1252ToUtf8(single) == utf8 ? single : utf8;
}

// A message for a dialog: the library's "\r\n" and "\r" line breaks as Qt breaks lines.
inline QString qtMessage(std::string_view bytes) {
  QString text = qtText(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// A path chosen in a dialog as the library takes it: the file system's bytes.
inline std::string pathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

inline QString qtPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace sorvik
