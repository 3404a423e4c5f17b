#include "tools/name_text.h"

#include <algorithm>

namespace korva::importer::naming {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toLower(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (toLower(a[i]) != toLower(b[i])) return false;
    return true;
}

// Position of `keyLower` (already lower case) in `text`, ignoring case.
std::size_t findNoCase(std::string_view text, std::string_view keyLower, std::size_t from) {
    if (keyLower.empty() || keyLower.size() > text.size()) return std::string_view::npos;
    for (std::size_t i = from; i + keyLower.size() <= text.size(); ++i) {
        std::size_t j = 0;
        while (j < keyLower.size() && toLower(text[i + j]) == keyLower[j]) ++j;
        if (j == keyLower.size()) return i;
    }
    return std::string_view::npos;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && equalsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

std::string trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == ',')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == ',')) s.remove_suffix(1);
    return std::string(s);
}

// Collapses runs of blanks and blanks before commas left by removals.
std::string tidy(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        if (c == ',' && !out.empty() && out.back() == ' ') out.pop_back();
        if (c == ',' && !out.empty() && out.back() == ',') continue;
        out.push_back(c);
    }
    return trim(out);
}

// Commas inside parentheses belong to the remark, not to the list.
Segments splitSegments(std::string_view d) {
    Segments out;
    int depth = 0;
    std::string cur;
    for (char c : d) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c == ',' && depth == 0) {
            if (auto t = trim(cur); !t.empty()) out.push_back(t);
            cur.clear();
            continue;
        }
        cur.push_back(c);
    }
    if (auto t = trim(cur); !t.empty()) out.push_back(t);
    return out;
}

std::string join(const Segments& segs) {
    std::string out;
    for (const auto& s : segs) {
        if (s.empty()) continue;
        if (!out.empty()) out += ", ";
        out += s;
    }
    return out;
}

namespace {

constexpr std::string_view kAcronymList[] = {"USDA", "BBQ", "DHA", "FOS", "NFS", "USA", "KFC", "UHT", "RTE",
                                             "NLEA", "TV",  "PB",  "II",  "III", "CLA", "XL",  "MSG", "US"};

// Brand names arrive in capitals ("KELLOGG'S FROSTED MINI-WHEATS"); in a
// short list they read better in mixed case.

std::string mixedCaseWord(std::string_view w) {
    int upper = 0, lowerCount = 0;
    for (char c : w) {
        if (isUpper(c)) ++upper;
        if (isLower(c)) ++lowerCount;
    }
    std::string s(w);
    if (upper < 2) return s;
    // "McDONALD'S": a name prefix before the capitals.
    if (s.size() > 3 && s[0] == 'M' && s[1] == 'c' && lowerCount == 1) {
        std::string rest = mixedCaseWord(s.substr(2));
        return "Mc" + rest;
    }
    if (lowerCount > 0) return s;
    std::string letters;
    for (char c : s)
        if (isLetter(c)) letters.push_back(c);
    if (isAcronym(letters)) return s;
    bool first = true;
    for (char& c : s) {
        if (isLetter(c)) {
            c = first ? c : toLower(c);
            first = false;
        } else if (c == '-' || c == '.' || c == '/') {
            first = true; // each part of "CINNA-RAISIN" keeps its capital
        }
    }
    return s;
}

} // namespace

std::string mixedCase(std::string_view text) {
    std::string out, word;
    auto flush = [&] {
        out += mixedCaseWord(word);
        word.clear();
    };
    for (char c : text) {
        if (c == ' ' || c == '(' || c == ')' || c == ',' || c == '&') {
            flush();
            out.push_back(c);
        } else {
            word.push_back(c);
        }
    }
    flush();
    return out;
}

// Replaces whole-word occurrences of `from`, ignoring case; a replacement at
// the start of a capitalised word keeps the capital.
std::string replacedWords(std::string_view text, std::string_view key, std::string_view to) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t at = findNoCase(text, key, i);
        if (at == std::string::npos) break;
        bool startOk = at == 0 || !isWordChar(text[at - 1]);
        bool endOk = at + key.size() >= text.size() || !isWordChar(text[at + key.size()]);
        if (!startOk || !endOk) {
            out.append(text.substr(i, at + 1 - i));
            i = at + 1;
            continue;
        }
        out.append(text.substr(i, at - i));
        std::string rep(to);
        if (!rep.empty() && isUpper(text[at]) && isLower(rep[0])) rep[0] = toUpper(rep[0]);
        out += rep;
        i = at + key.size();
    }
    out.append(text.substr(std::min(i, text.size())));
    return tidy(out);
}

// The table keys are lower case already, so the common case (no match)
// costs one scan and no copy.
void replaceWords(std::string& text, std::string_view keyLower, std::string_view to) {
    if (findNoCase(text, keyLower, 0) == std::string_view::npos) return;
    text = replacedWords(text, keyLower, to);
}

bool isAcronym(std::string_view letters) {
    for (auto a : kAcronymList)
        if (letters == a) return true;
    return false;
}

std::string joinHeadAndTail(const std::string& head, const std::string& tail) {
    return tail.empty() ? head : head + ", " + tail;
}

// Parenthetical remarks, dropped when room is short: first the ones that
// only explain, then all.
std::string dropRemarks(std::string_view s, bool onlyExplanations) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '(') {
            out.push_back(s[i++]);
            continue;
        }
        std::size_t close = s.find(')', i);
        if (close == std::string_view::npos) {
            out.append(s.substr(i));
            break;
        }
        std::string inner = lower(s.substr(i + 1, close - i - 1));
        bool explanation = inner.starts_with("includes") || inner.starts_with("formerly") ||
                           inner.starts_with("excludes") || inner.starts_with("made with") ||
                           inner.find("navajo") != std::string::npos || inner.find("apache") != std::string::npos ||
                           inner.find("hopi") != std::string::npos || inner.find("shoshone") != std::string::npos;
        if (onlyExplanations && !explanation) out.append(s.substr(i, close + 1 - i));
        i = close + 1;
    }
    return tidy(out);
}

// Cuts at the last word boundary within `limit`.
std::string cutTo(std::string s, std::size_t limit) {
    if (s.size() <= limit) return s;
    std::size_t cut = limit;
    while (cut > 0 && isWordChar(s[cut]) && isWordChar(s[cut - 1])) --cut;
    if (cut < limit / 2) cut = limit; // one long word: cut inside it
    s.resize(cut);
    // A cut remark loses its open parenthesis; no dangling joiners.
    std::string t = trim(s);
    while (!t.empty() && (t.back() == '(' || t.back() == '&' || t.back() == '/' || t.back() == '-'))
        t = trim(t.substr(0, t.size() - 1));
    return t;
}

std::string cutToFit(std::string s) { return cutTo(std::move(s), kMaxFoodName); }

} // namespace korva::importer::naming
