#pragma once

#include <QLockFile>
#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/single_instance.h"

class QLocalServer;
class QThread;

namespace korva {

// The data root's lock (a QLockFile) and the local socket the holder of the
// lock listens on, both in the user's runtime folder under the root's key.
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
    void accept();
    void stopListening();

    QString socketName_;
    QLockFile lock_;
    std::unique_ptr<QThread> thread_;
    QLocalServer* server_ = nullptr; // lives in thread_
    Receiver receiver_;
};

} // namespace korva
