#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace korva {

// The program's texts and file contents are 8-bit Latin-1; Qt speaks
// Unicode.  toQt and fromQt cross that boundary.
inline QString toQt(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string fromQt(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// File names are not Latin-1 texts: they are bytes in the file system's own
// encoding, which Qt decodes and encodes itself.
inline QString pathToQt(const std::filesystem::path& p) { return QFile::decodeName(QByteArray::fromStdString(p.native())); }
inline std::filesystem::path pathFromQt(const QString& s) { return std::filesystem::path(QFile::encodeName(s).toStdString()); }

} // namespace korva
