#include "lists/number_scan.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace korva {

namespace {

std::size_t skipBlanks(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;
    return i;
}

} // namespace

std::optional<float> scanFloat(std::string_view text) {
    std::size_t i = skipBlanks(text);
    if (i < text.size() && text[i] == '+') ++i;
    float v = 0.0f;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc{} || ptr == first) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt; // "inf" and "nan" are no amounts
    return v;
}

std::optional<long> scanInt(std::string_view text) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        // A count that does not fit is as good as the largest that does.
        v = v > (LONG_MAX - digit) / 10 ? LONG_MAX : v * 10 + digit;
    }
    return negative ? -v : v;
}

} // namespace korva
