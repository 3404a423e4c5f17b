#pragma once

#include <QLockFile>
#include <QObject>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/single_instance.h"

namespace korva {

// The data root's lock (a QLockFile) and the local socket the holder of the
// lock listens on, both in the user's runtime folder under the root's key.
// The socket is a plain Unix stream socket served by a thread of its own.
class InstanceGuard : public QObject, public InstanceChannel {
public:
    explicit InstanceGuard(const std::filesystem::path& dataRoot);
    ~InstanceGuard() override;

    bool tryLock() override;
    Delivery handOver(const std::string& request) override;
    void pause() override;

    // Once the lock is held: answers later starts at once and passes the
    // files they hand over to `receiver` in this thread's event loop.
    using Receiver = std::function<void(const std::vector<std::string>&)>;
    bool listen(Receiver receiver);

private:
    void serve();
    void answer(int connection);
    void stopListening();

    std::string socketPath_;
    QLockFile lock_;
    int listenFd_ = -1;
    int wakeFds_[2] = {-1, -1}; // written to end the listener
    std::thread thread_;
    Receiver receiver_;
};

} // namespace korva
