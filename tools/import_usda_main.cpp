// korva_import_usda USDA_FOLDER DATA_ROOT [--list]
//
// Turns the USDA release files into the data tree shipped with Korvana.  With
// --list it also prints every food as "category|name|serving|grams|NDB_No"
// so that names and categories can be reviewed.

#include <cstdio>
#include <cstring>
#include <string>

#include "core/nutrients.h"
#include "tools/shipped_tree.h"

int main(int argc, char** argv) {
    using namespace korva::importer;
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--list") != 0)) {
        std::fprintf(stderr, "usage: %s USDA_FOLDER DATA_ROOT [--list]\n", argv[0]);
        return 2;
    }
    const UsdaSource source = readUsdaSource(argv[1]);
    if (!source.problems.empty()) {
        for (const auto& p : source.problems) std::fprintf(stderr, "%s\n", p.c_str());
        std::fprintf(stderr, "nothing written: %zu problem(s) in the source files\n", source.problems.size());
        return 1;
    }
    const auto foods = buildShippedFoods(source);
    std::string error;
    if (!writeShippedTree(argv[2], foods, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (argc == 4) {
        for (const ShippedFood& f : foods)
            std::printf("%02d %s|%s|%s|%.2f|%s\n", f.entry.category,
                        std::string(korva::categoryName(f.entry.category)).c_str(), f.entry.name.c_str(),
                        f.entry.servingText.c_str(), double(f.entry.gramsPerServing), f.ndb.c_str());
    }
    std::fprintf(stderr, "%zu foods written under %s\n", foods.size(), argv[2]);
    return 0;
}
