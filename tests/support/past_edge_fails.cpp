#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace korva::test {
namespace {

// Every test program that records a report fails the running test when the
// report draws past the printable width.
[[maybe_unused]] const bool installed = [] {
    RecordingSurface::onPastEdge = [](const std::string& what) { ADD_FAILURE() << what; };
    return true;
}();

} // namespace
} // namespace korva::test
