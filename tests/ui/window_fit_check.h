#pragma once

namespace korva::test {

// From here on, every window or dialog the tests show is checked as it shows:
// it fits on its screen, no label or button shows less than its text, and no
// picture in it is drawn coarser than the screen's pixels.
void installWindowFitCheck();

} // namespace korva::test
