#include "daily/key_dialog.h"

#include "core/nutrients.h"

namespace korva {

std::vector<std::string_view> KeyDialog::lines() const {
    if (page_ == ChartPage::amino) return {aminoKeyLines().begin(), aminoKeyLines().end()};
    return {standardKeyLines().begin(), standardKeyLines().end()};
}

} // namespace korva
