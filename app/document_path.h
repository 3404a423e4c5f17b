#pragma once

#include <filesystem>

namespace korva {

// The one rule for a document named outside a file chooser (on the command
// line, by the desktop shell, or by a later start of the program): an
// absolute path is itself; a relative one that exists from `workingDir` is
// that file; any other relative name is looked for in `documentDir`, the
// folder where the program keeps documents of its kind.  Without a
// `documentDir` such a name stays as it is, for the program that opens it.
std::filesystem::path resolveDocumentName(const std::filesystem::path& named, const std::filesystem::path& workingDir,
                                          const std::filesystem::path& documentDir);
// The same from the program's own working folder.
std::filesystem::path resolveDocumentName(const std::filesystem::path& named, const std::filesystem::path& documentDir);

// Two spellings of one file (a link, "x/../", a trailing "."), or of one path
// when neither exists yet.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace korva
