#pragma once

#include <string>
#include <string_view>

#include "tools/name_text.h"

namespace korva::importer::naming {

// The head (main food) and the qualifiers after it, with the rules that
// always apply done.
struct NameParts {
    std::string head;
    Segments tail;
    Segments shortTail; // the tail shortened as far as the rules go
    bool fits = false;  // head and shortTail fit in a name
};

NameParts prepare(std::string_view longDesc);

// Shortens the qualifiers word by word until the name fits; true when it does.
bool abbreviateToFit(const std::string& head, Segments& tail);

} // namespace korva::importer::naming
