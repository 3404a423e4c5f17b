#pragma once

#include "ui/qt_text.h"

namespace korva {

// Earlier names of toQt and fromQt, for faces not yet moved to them.
inline QString qtext(std::string_view s) { return toQt(s); }
inline std::string latin1(const QString& s) { return fromQt(s); }

} // namespace korva
