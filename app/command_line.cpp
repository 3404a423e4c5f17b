#include "app/command_line.h"

namespace korva {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    std::optional<std::string> firstName;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--home" || a == "--print-to") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                cl.error = a + " needs a folder";
                return cl;
            }
            (a == "--home" ? cl.home : cl.printTo) = args[++i];
        } else if (a.rfind("--home=", 0) == 0 || a.rfind("--print-to=", 0) == 0) {
            const std::size_t eq = a.find('=');
            if (eq + 1 == a.size()) {
                cl.error = a.substr(0, eq) + " needs a folder";
                return cl;
            }
            (a[2] == 'h' ? cl.home : cl.printTo) = a.substr(eq + 1);
        } else if (a == "--") {
            if (i + 1 < args.size() && !firstName) firstName = args[i + 1];
            break;
        } else if (!a.empty() && a[0] != '-' && !firstName) {
            firstName = a;
        }
        // Any other option is left alone: it opens nothing.
    }
    if (firstName) cl.document = documentRequestFor(*firstName);
    return cl;
}

std::optional<DocumentRequest> documentRequestFor(const std::string& name) {
    if (name.find(".fls") != std::string::npos) return DocumentRequest{name, DocumentKind::foodList};
    if (name.find(".rcp") != std::string::npos) return DocumentRequest{name, DocumentKind::recipe};
    return std::nullopt;
}

std::string usageText(const std::string& programName) {
    return "Usage: " + programName + " [--home DIR] [--print-to DIR] [FILE.fls | FILE.rcp]\n"
           "\n"
           "Korvana, a diet planner.\n"
           "\n"
           "  FILE.fls, FILE.rcp  open this FoodList or Recipe at start\n"
           "  --home DIR          keep the data (kvdata, kvuser, ...) in DIR\n"
           "  --print-to DIR      print every report to a numbered PDF file in DIR,\n"
           "                      without the print dialog\n"
           "  -h, --help          show this text and end\n"
           "\n"
           "Without --home the data folder is named by the environment variable\n"
           "KORVA_HOME, else it is the folder that holds the program, or, for an\n"
           "installed program, $XDG_DATA_HOME/korva (~/.local/share/korva; korva-user\n"
           "when the program is installed there).  A later start on a data folder\n"
           "that a running Korvana holds hands it the file and ends.\n";
}

} // namespace korva
