#include "app/CSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>

#include "app/UserKey.h"
#include "link/ConfigDir.h"

namespace morvik {

namespace {

constexpr int kRequestTimeoutMs = 2000;

}  // namespace

QString CSingleInstance::Folder() {
    // The user's runtime folder belongs to the user alone (Qt checks its owner and its 0700
    // mode); shared /tmp would let anyone who can compute the name hold the lock first and keep
    // the tool from ever starting. Without one, the preferences folder, which is the user's too.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QFile::decodeName(QByteArray::fromStdString(ConfigDir()));
        QDir().mkpath(folder);
    }
    return folder;
}

QString CSingleInstance::DefaultName() {
    const QByteArray identity = CurrentUserKey() + ':' + QByteArray::fromStdString(ConfigDir());
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex();
    return QDir(Folder()).filePath(QStringLiteral("morvik-tool-") +
                                   QString::fromLatin1(hash.left(16)));
}

CSingleInstance::CSingleInstance(QString name)
    : name_(QDir::isAbsolutePath(name) ? name : QDir(Folder()).filePath(name)),
      lock_(name_ + QStringLiteral(".lock")) {
    // The lock is held for the whole run: only a copy that is gone frees it, never its age.
    lock_.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() {
    if (server_) {
        server_->close();
    }
}

bool CSingleInstance::Acquire() {
    if (!lock_.tryLock(0)) {
        AskFirstCopyToShow();
        return false;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that crashed is ours now: the lock says so.
    QLocalServer::removeServer(name_);
    server_->listen(name_);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}

void CSingleInstance::AskFirstCopyToShow() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kRequestTimeoutMs)) {
        socket.write("show\n");
        socket.waitForBytesWritten(kRequestTimeoutMs);
        socket.disconnectFromServer();
    }
}

}  // namespace morvik
