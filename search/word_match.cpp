#include "search/word_match.h"

namespace korva {

namespace {

bool isWordChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::vector<std::string> foldedWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isWordChar(c)) {
            word += lowered(c);
            continue;
        }
        const bool joins = (c == '\'' || c == '/') && !word.empty() && i + 1 < text.size() && isWordChar(text[i + 1]);
        if (joins) continue;
        if (!word.empty()) words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::string singular(std::string_view w) {
    if (w.size() <= 3 || w.back() != 's') return std::string(w);
    auto drop = [&](std::size_t n) { return std::string(w.substr(0, w.size() - n)); };
    if (w.ends_with("ies") && w.size() > 4) return drop(3) + 'y';
    if (w.ends_with("oes") || w.ends_with("ches") || w.ends_with("shes") || w.ends_with("xes") || w.ends_with("sses") ||
        w.ends_with("zes"))
        return drop(2);
    if (w.ends_with("ss") || w.ends_with("us") || w.ends_with("is")) return std::string(w);
    return drop(1);
}

} // namespace korva
