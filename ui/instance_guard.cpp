#include "ui/instance_guard.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

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

InstanceGuard::~InstanceGuard() {
    if (server_) server_->close();
}

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
    // A socket a crashed holder left behind; the lock says it is ours now.
    QLocalServer::removeServer(socketName_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, &InstanceGuard::accept);
    return server_->listen(socketName_);
}

void InstanceGuard::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            const Handoff h = decodeHandoff(std::string_view(received->constData(), static_cast<std::size_t>(received->size())));
            if (h.state == Handoff::State::incomplete && received->size() < kLongestRequest) return;
            if (h.state == Handoff::State::complete) {
                socket->write(bytesOf(std::string(kHandoffAccepted)));
                socket->flush();
                // Opening may ask questions; the socket is done with first.
                QTimer::singleShot(0, this, [this, files = h.files] {
                    if (receiver_) receiver_(files);
                });
            }
            socket->disconnectFromServer();
        });
    }
}

} // namespace korva
