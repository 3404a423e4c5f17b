#pragma once

namespace korva {

// For start-up measurements: when `fdText` names an open file descriptor
// (the KORVA_SHOWN_FD variable), the line "shown WIDTHxHEIGHT" is written to
// it once the first main window of the process has been exposed and painted,
// and the descriptor is closed.  Without it nothing is watched.
void reportFirstShownMainWindow(const char* fdText);

} // namespace korva
