#pragma once

#include <QString>

#include <string>

namespace korva {

// File choosers are asked with filters in either form the program carries:
// Qt's own ("FoodLists (*.fls)") or pairs of description and pattern split
// by bars ("All Files (*.*)|*.*|Food List Files(*.FLS)|*.FLS||").  Answers
// Qt's form.  Patterns match either case, since the stored names of older
// files are often in capitals.
QString qtFileFilter(const std::string& filter);

} // namespace korva
