#pragma once

#include <QFont>

#include "core/font_description.h"

namespace korva {

// A stored font description as a Qt font.  `base` supplies what the
// description leaves open: the family for the generic "Swiss" face and the
// size for a height of 0.
QFont toQFont(const FontDescription& font, const QFont& base);

// A Qt font as a description in screen pixels, with the size of its
// average character.
FontChoice describeFont(const QFont& font);

} // namespace korva
