#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// A qualifier as short as the rules can say it: every shortening applied,
// then the few that are kept for foods that cannot be told apart otherwise.
std::string shortestForm(std::string qualifier);

// Names still shared by several foods of a category after the qualifiers
// were chosen: each food takes the qualifiers that differ within its
// group, with as many of the others as fit, when that gives a name no other
// food of the category has.  The rest keep their shared name.  With
// `acrossCategories` the names of all categories count as one group, so that
// names equal but for case are told apart wherever they are.
void tellApart(std::vector<NamedFood>& named, const std::vector<NameParts>& parts, bool acrossCategories = false);

} // namespace korva::importer::naming
