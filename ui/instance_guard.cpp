#include "ui/instance_guard.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/qt_text.h"

namespace korva {

namespace {

constexpr int kSendMs = 1000;
// A holder still loading its data base answers once its listener runs.
constexpr int kAnswerMs = 10000;
// How long the holder waits for a later start to finish its request.
constexpr int kRequestMs = 2000;
constexpr int kPauseMs = 250;
constexpr std::size_t kLongestRequest = 1 << 17;

using Clock = std::chrono::steady_clock;

std::string runtimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return pathFromQt(dir.isEmpty() ? QDir::tempPath() : dir).string();
}

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool socketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

int millisLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits until `fd` is ready for `events`; false on time-out or error.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, millisLeft(deadline));
        if (n > 0) return true;
        if (n == 0 || errno != EINTR) return false;
    }
}

bool sendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// Reads what is there; 0 at the end of the stream, -1 on time-out or error.
ssize_t receiveSome(int fd, std::string& into, Clock::time_point deadline) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) into.append(buffer, static_cast<std::size_t>(n));
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || !waitFor(fd, POLLIN, deadline)) return -1;
    }
}

} // namespace

InstanceGuard::InstanceGuard(const std::filesystem::path& dataRoot)
    : socketPath_(runtimeFolder() + '/' + instanceKey(dataRoot)), lock_(pathToQt(socketPath_ + ".lock")) {
    // The lock is stale only when its holder has died, however long it ran.
    lock_.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() { stopListening(); }

bool InstanceGuard::tryLock() { return lock_.tryLock(0); }

InstanceChannel::Delivery InstanceGuard::handOver(const std::string& request) {
    sockaddr_un address;
    if (!socketAddress(socketPath_, address)) return Delivery::unreachable;
    Fd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return Delivery::unreachable;
    // No listener, or one whose backlog is full: the caller tries again.
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return Delivery::unreachable;
    if (!sendAll(socket.get(), request, Clock::now() + std::chrono::milliseconds(kSendMs)))
        return Delivery::unreachable;

    std::string answer;
    bool closed = false;
    const auto answerBy = Clock::now() + std::chrono::milliseconds(kAnswerMs);
    while (answer.size() < kHandoffAccepted.size()) {
        const ssize_t n = receiveSome(socket.get(), answer, answerBy);
        if (n <= 0) {
            closed = n == 0;
            break;
        }
    }
    if (answer.compare(0, kHandoffAccepted.size(), kHandoffAccepted) == 0) return Delivery::accepted;
    // The holder closed without answering: it is ending, try again.
    return closed && answer.empty() ? Delivery::unreachable : Delivery::silent;
}

void InstanceGuard::pause() { QThread::msleep(kPauseMs); }

bool InstanceGuard::listen(Receiver receiver) {
    receiver_ = std::move(receiver);
    sockaddr_un address;
    if (!socketAddress(socketPath_, address)) return false;
    Fd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return false;
    // A socket a crashed holder left behind; the lock says it is ours.
    ::unlink(socketPath_.c_str());
    // Only this user may hand files over.
    const mode_t oldMask = ::umask(0077);
    const bool bound = ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(oldMask);
    if (!bound || ::listen(socket.get(), 16) != 0) return false;
    if (::pipe2(wakeFds_, O_CLOEXEC) != 0) return false;
    listenFd_ = ::dup(socket.get());
    // The listener has a thread of its own, so later starts get their answer
    // while this one is still loading its data base or waits in a dialog.
    thread_ = std::thread([this] { serve(); });
    return true;
}

void InstanceGuard::stopListening() {
    if (!thread_.joinable()) return;
    const char stop = 0;
    while (::write(wakeFds_[1], &stop, 1) < 0 && errno == EINTR) {}
    thread_.join();
    ::close(listenFd_);
    ::close(wakeFds_[0]);
    ::close(wakeFds_[1]);
    listenFd_ = wakeFds_[0] = wakeFds_[1] = -1;
    ::unlink(socketPath_.c_str());
}

// Runs in the listener's thread until stopListening wakes it.
void InstanceGuard::serve() {
    for (;;) {
        pollfd p[2] = {{listenFd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (p[1].revents != 0) return;
        const int connection = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) answer(connection);
    }
}

// Reads one request; a complete one is answered and its files go to the
// main thread.
void InstanceGuard::answer(int connection) {
    Fd socket(connection);
    std::string received;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kRequestMs);
    for (;;) {
        const ssize_t n = receiveSome(socket.get(), received, deadline);
        const Handoff h = decodeHandoff(received);
        if (h.state == Handoff::State::complete) {
            if (sendAll(socket.get(), kHandoffAccepted, deadline))
                QMetaObject::invokeMethod(
                    this,
                    [this, files = h.files] {
                        if (receiver_) receiver_(files);
                    },
                    Qt::QueuedConnection);
            return;
        }
        if (n <= 0 || h.state != Handoff::State::incomplete || received.size() >= kLongestRequest) return;
    }
}

} // namespace korva
