#pragma once

#include <QString>

#include <string>

namespace korva {

// Texts of the program are 8-bit Latin-1; Qt speaks Unicode.
inline QString qtext(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline QString qtext(const char* s) { return QString::fromLatin1(s); }
inline std::string latin1(const QString& s) {
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

} // namespace korva
