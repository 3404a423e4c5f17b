#pragma once

#include <filesystem>

namespace korva {

// Every file and folder under the data root.
struct DataPaths {
    std::filesystem::path root;

    DataPaths() = default;
    explicit DataPaths(std::filesystem::path r) : root(std::move(r)) {}

    std::filesystem::path dataDir() const { return root / "kvdata"; }
    std::filesystem::path userDir() const { return root / "kvuser"; }
    std::filesystem::path foodListDir() const { return root / "kvflist"; }
    std::filesystem::path recipeDir() const { return root / "kvrecipe"; }
    std::filesystem::path shopDir() const { return root / "kvshop"; }

    std::filesystem::path foodsArc() const { return dataDir() / "foods.arc"; }
    std::filesystem::path unconsArc() const { return dataDir() / "uncons.arc"; }
    std::filesystem::path tempArc() const { return dataDir() / "temp.arc"; }
    std::filesystem::path indexSer() const { return dataDir() / "index.ser"; }
    std::filesystem::path stateFile() const { return dataDir() / "korva.ini"; }
    std::filesystem::path recipeCatalogue() const { return dataDir() / "rclist.ser"; }
    std::filesystem::path defaultProfile() const { return userDir() / "user00.rda"; }
};

} // namespace korva
