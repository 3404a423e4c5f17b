#pragma once

#include <string_view>

namespace korva::importer {

// The category (0..22) a USDA food belongs in, from its food group code
// (FdGrp_Cd) and its long description.  Never 23: that one holds recipes.
int categoryForFood(std::string_view groupCode, std::string_view longDesc);

} // namespace korva::importer
