#pragma once

#include <stdexcept>
#include <string>

namespace korva {

// The one exception of the toolkit-free code: a loading Archive raises it and
// every file reader turns it into its own answer.
class ArchiveError : public std::runtime_error {
public:
    enum Cause {
        none = 0,
        generic = 1,
        endOfFile = 3,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
    };

    explicit ArchiveError(Cause cause, const std::string& what = {})
        : std::runtime_error(what.empty() ? causeName(cause) : what), cause_(cause) {}

    Cause cause() const { return cause_; }

    static const char* causeName(Cause c) {
        switch (c) {
        case endOfFile: return "end of file";
        case badIndex: return "bad index";
        case badClass: return "bad class";
        case badSchema: return "bad schema";
        case generic: return "read error";
        case none: break;
        }
        return "archive error";
    }

private:
    Cause cause_;
};

} // namespace korva
