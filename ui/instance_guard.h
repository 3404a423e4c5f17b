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

    // Once the lock is held: takes the files later starts hand over and
    // passes them to `receiver`.
    using Receiver = std::function<void(const std::vector<std::string>&)>;
    bool listen(Receiver receiver);

private:
    void accept();

    QString socketName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    Receiver receiver_;
};

} // namespace korva
