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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<float> scanFloat(std::string_view text, std::size_t* used) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Only digits or a point may follow: from_chars would take "-" a second
    // time, and "inf" or "nan" as numbers.
    if (i >= text.size() || !(isDigit(text[i]) || text[i] == '.')) return std::nullopt;
    float v = 0.0f;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    // Out of range is refused too: a float cannot hold "1e999".
    if (ec != std::errc{} || ptr == first || !std::isfinite(v)) return std::nullopt;
    if (used) *used = static_cast<std::size_t>(ptr - text.data());
    return negative ? -v : v;
}

std::optional<long> scanInt(std::string_view text, std::size_t* used) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !isDigit(text[i])) return std::nullopt;
    long v = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        // A count that does not fit is as good as the largest that does.
        v = v > (LONG_MAX - digit) / 10 ? LONG_MAX : v * 10 + digit;
    }
    if (used) *used = i;
    return negative ? -v : v;
}

} // namespace korva
