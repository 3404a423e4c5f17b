#include "app/document_path.h"

#include <system_error>

namespace korva {

namespace fs = std::filesystem;

fs::path resolveDocumentName(const fs::path& named, const fs::path& workingDir, const fs::path& documentDir) {
    if (named.empty() || named.is_absolute()) return named;
    std::error_code ec;
    if (fs::exists(workingDir / named, ec)) return (workingDir / named).lexically_normal();
    return documentDir.empty() ? named : documentDir / named;
}

fs::path resolveDocumentName(const fs::path& named, const fs::path& documentDir) {
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return resolveDocumentName(named, ec ? fs::path() : here, documentDir);
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return a.lexically_normal() == b.lexically_normal();
}

} // namespace korva
