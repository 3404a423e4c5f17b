#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korva {

enum class DocumentKind { foodList, recipe };

struct DocumentRequest {
    std::filesystem::path path;
    DocumentKind kind = DocumentKind::foodList;
    bool operator==(const DocumentRequest&) const = default;
};

// What the user asked for when starting the program.
struct CommandLine {
    bool help = false;
    std::optional<std::filesystem::path> home; // --home DIR
    std::optional<std::filesystem::path> printTo; // --print-to DIR
    std::optional<DocumentRequest> document;   // a FoodList or recipe to open
    std::string error;                         // set when the line cannot be obeyed
};

// Reads the arguments after the program name.  The first argument that is
// not an option names the file to open; it is a FoodList when it contains
// ".fls", else a recipe when it contains ".rcp" (both case-sensitive), else
// nothing is opened.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// What a file name asks to open, by the same rule.
std::optional<DocumentRequest> documentRequestFor(const std::string& name);

std::string usageText(const std::string& programName);

} // namespace korva
