#include "ui/instance_guard.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "ui/qt_text.h"

namespace korva {

namespace {

constexpr int kConnectMs = 1000;
// A holder still loading its data base answers once its event loop runs.
constexpr int kAnswerMs = 10000;
constexpr int kPauseMs = 250;
constexpr qsizetype kLongestRequest = 1 << 17;

QString runtimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

QByteArray bytesOf(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

InstanceGuard::InstanceGuard(const std::filesystem::path& dataRoot)
    : socketName_(runtimeFolder() + QLatin1Char('/') + toQt(instanceKey(dataRoot))),
      lock_(socketName_ + QStringLiteral(".lock")) {
    // The lock is stale only when its holder has died, however long it ran.
    lock_.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() { stopListening(); }

bool InstanceGuard::tryLock() { return lock_.tryLock(0); }

InstanceChannel::Delivery InstanceGuard::handOver(const std::string& request) {
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    if (!socket.waitForConnected(kConnectMs)) return Delivery::unreachable;
    socket.write(bytesOf(request));
    if (!socket.waitForBytesWritten(kConnectMs)) return Delivery::unreachable;
    QByteArray answer;
    while (answer.size() < static_cast<qsizetype>(kHandoffAccepted.size()) && socket.waitForReadyRead(kAnswerMs))
        answer += socket.readAll();
    if (answer.startsWith(bytesOf(std::string(kHandoffAccepted)))) return Delivery::accepted;
    // The holder closed without answering: it is ending, try again.
    return socket.state() == QLocalSocket::UnconnectedState && answer.isEmpty() ? Delivery::unreachable
                                                                                 : Delivery::silent;
}

void InstanceGuard::pause() { QThread::msleep(kPauseMs); }

bool InstanceGuard::listen(Receiver receiver) {
    receiver_ = std::move(receiver);
    // The listener has a thread of its own, so later starts get their answer
    // while this one is still loading its data base or waits in a dialog.
    thread_ = std::make_unique<QThread>();
    server_ = new QLocalServer;
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->moveToThread(thread_.get());
    QObject::connect(server_, &QLocalServer::newConnection, server_, [this] { accept(); });
    thread_->start();
    bool listening = false;
    QMetaObject::invokeMethod(
        server_,
        [this, &listening] {
            // A socket a crashed holder left behind; the lock says it is ours.
            QLocalServer::removeServer(socketName_);
            listening = server_->listen(socketName_);
        },
        Qt::BlockingQueuedConnection);
    return listening;
}

void InstanceGuard::stopListening() {
    if (!thread_) return;
    QMetaObject::invokeMethod(server_, [this] { server_->close(); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete server_; // its thread has ended; the sockets go with it
    server_ = nullptr;
    thread_.reset();
}

// Runs in the listener's thread; the files go to the main thread.
void InstanceGuard::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll();
            const Handoff h =
                decodeHandoff(std::string_view(received->constData(), static_cast<std::size_t>(received->size())));
            if (h.state == Handoff::State::incomplete && received->size() < kLongestRequest) return;
            if (h.state == Handoff::State::complete) {
                socket->write(bytesOf(std::string(kHandoffAccepted)));
                socket->flush();
                QMetaObject::invokeMethod(
                    this,
                    [this, files = h.files] {
                        if (receiver_) receiver_(files);
                    },
                    Qt::QueuedConnection);
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace korva
