#include "ui/font_conversion.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>

namespace korva {

namespace {
constexpr std::uint8_t kSwissFamily = 0x20;
}

QFont toQFont(const FontDescription& d, const QFont& base) {
    QFont f(base);
    // "Swiss" names a family of faces, not a face: the desktop's own sans
    // serif stands for it.
    if (!d.faceName.empty() && d.faceName != "Swiss")
        f.setFamily(QString::fromLatin1(d.faceName.data(), static_cast<qsizetype>(d.faceName.size())));
    if ((d.pitchAndFamily & 0xF0) == kSwissFamily) f.setStyleHint(QFont::SansSerif);
    if (d.height != 0) f.setPixelSize(std::abs(d.height));
    if (d.weight > 0) f.setWeight(static_cast<QFont::Weight>(std::clamp<int>(d.weight, 1, 1000)));
    f.setItalic(d.italic != 0);
    f.setUnderline(d.underline != 0);
    f.setStrikeOut(d.strikeOut != 0);
    return f;
}

FontChoice describeFont(const QFont& font) {
    FontChoice c;
    const QByteArray face = font.family().toLatin1();
    c.font.faceName.assign(face.constData(), static_cast<std::size_t>(face.size()));
    // A negative height is the character height, as the stored records use it.
    c.font.height = -QFontInfo(font).pixelSize();
    const QFontMetrics m(font);
    c.font.width = m.averageCharWidth();
    c.font.weight = static_cast<std::int32_t>(font.weight());
    c.font.italic = font.italic() ? 1 : 0;
    c.font.underline = font.underline() ? 1 : 0;
    c.font.strikeOut = font.strikeOut() ? 1 : 0;
    c.font.pitchAndFamily = font.styleHint() == QFont::SansSerif ? 0x22 : 0;
    c.charWidth = m.averageCharWidth();
    c.charHeight = m.height();
    return c;
}

} // namespace korva
