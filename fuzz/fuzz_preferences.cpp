// Any bytes given as a font or scale preference file read into a font the
// program can use (or none) and factors it accepts (or none); a font that
// is kept writes and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/display_preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);

    if (auto font = korva::FontDescription::decode(bytes)) {
        if (font->faceName.size() > korva::FontDescription::kFaceBytes) std::abort();
        if (korva::isUsableFont(*font)) {
            const auto encoded = font->encode();
            auto again = korva::FontDescription::decode({encoded.begin(), encoded.end()});
            if (!again) std::abort();
            korva::FontDescription expected = *font;
            expected.faceName = expected.faceName.substr(0, korva::FontDescription::kFaceBytes - 1);
            if (!(*again == expected) || !korva::isUsableFont(*again)) std::abort();
        }
    } else if (size >= korva::FontDescription::kBytes) {
        std::abort();
    }

    if (auto f = korva::decodeScaleFactors(bytes)) {
        // A factor start-up keeps is a number in range, never NaN.
        for (float v : {f->x, f->y})
            if (korva::factorInRange(v) && !(v >= 0.799f && v <= 1.201f)) std::abort();
    }
    return 0;
}
