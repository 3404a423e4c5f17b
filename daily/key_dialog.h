#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "daily/nutrient_chart.h"

namespace korva {

// "KEY  to  NUTRIENT  ABBREVIATIONS": what the chart's abbreviations of one
// page stand for.  A list nobody selects in: every selection is undone.
class KeyDialog {
public:
    static constexpr const char* kCaption = "KEY  to  NUTRIENT  ABBREVIATIONS";
    static constexpr const char* kCloseButton = "CLOSE";
    // In dialog units, converted by the face.
    static constexpr std::array<int, 4> kTabStops = {8, 32, 60, 100};

    explicit KeyDialog(ChartPage page) : page_(page) {}

    std::vector<std::string_view> lines() const;
    // No row stays selected: at opening, on a selection change and on a
    // double click the selection is cleared.
    int selectedRow() const { return -1; }

private:
    ChartPage page_;
};

} // namespace korva
