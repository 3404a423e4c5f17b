#include "tests/support/temp_root.h"

#include <cstdlib>
#include <stdexcept>

namespace korva::test {

TempRoot::TempRoot(Contents contents, const std::string& tag) {
    std::string pattern = (std::filesystem::temp_directory_path() / (tag + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder for " + tag);
    root_ = pattern;
    if (contents == dataFolders) {
        const DataPaths p(root_);
        for (const auto& dir : {p.dataDir(), p.userDir(), p.foodListDir(), p.recipeDir()})
            std::filesystem::create_directories(dir);
    }
}

TempRoot::~TempRoot() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

} // namespace korva::test
