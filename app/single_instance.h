#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

namespace korva {

// One running program per data folder.  The first start on a data root
// holds its lock and listens under the root's key; a later start hands the
// files named on its command line to it and ends.

// The name shared by the lock and the listening socket of `dataRoot`: the
// same for every spelling of the folder, different for different users.
std::string instanceKey(const std::filesystem::path& dataRoot);

// What a later start sends: the files to open, made absolute where they are
// found from the later start's own folder (bare names are looked for among
// the FoodLists by the program that opens them).
std::vector<std::string> handoffNames(const std::optional<DocumentRequest>& document,
                                      const std::filesystem::path& workingDir);
std::string encodeHandoff(const std::vector<std::string>& files);

struct Handoff {
    enum class State { incomplete, complete, malformed };
    State state = State::incomplete;
    std::vector<std::string> files;
};
// Reads what has arrived so far; any bytes give one of the three states.
Handoff decodeHandoff(std::string_view bytes);

// The running program's answer once it has taken the files.
inline constexpr std::string_view kHandoffAccepted = "ok\n";

// The lock and the socket, as the window system provides them.
class InstanceChannel {
public:
    enum class Delivery { accepted, unreachable, silent };
    virtual ~InstanceChannel() = default;
    // Takes the lock; a lock whose holder has died is taken over.
    virtual bool tryLock() = 0;
    // Sends `request` to the lock's holder and waits for its answer.
    virtual Delivery handOver(const std::string& request) = 0;
    virtual void pause() = 0;
};

enum class ClaimOutcome { holder, handedOver, noAnswer };

// Becomes the data root's program, or hands `request` to the one that is.
// A holder that is still starting (or just ending) is given `attempts`
// chances to listen (or let go); one that takes the request but never
// answers gets no second try.
ClaimOutcome claimDataRoot(InstanceChannel& channel, const std::string& request, int attempts);

} // namespace korva
