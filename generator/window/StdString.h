// Strings across the program's boundary with the library: paths in the
// file system's encoding, messages as UTF-8.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace tessel::generator {

inline std::string PathString(const QString& Path) { return QFile::encodeName(Path).toStdString(); }
inline QString Message(const std::string& Text) { return QString::fromStdString(Text); }

}  // namespace tessel::generator
