#pragma once

#include <filesystem>
#include <string>

#include "core/data_paths.h"

namespace korva::test {

// A folder of its own under the temporary folder, removed again on
// destruction.  As a data root it holds the data folders a shipped tree has
// (no shopping-list folder: the program makes that itself).
class TempRoot {
public:
    enum Contents { dataFolders, empty };

    explicit TempRoot(Contents contents = dataFolders, const std::string& tag = "korva");
    ~TempRoot();
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::filesystem::path& root() const { return root_; }
    DataPaths paths() const { return DataPaths(root_); }

private:
    std::filesystem::path root_;
};

} // namespace korva::test
