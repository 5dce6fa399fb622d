#include "app/CSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>

#include "app/AppStringIds.h"
#include "app/UserKey.h"
#include "link/ConfigDir.h"
#include "res/Strings.h"

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
        if (lock_.error() != QLockFile::LockFailedError) {
            // Not another copy's lock: no lock can be made here. Ending silently would leave the
            // operator without the tool and without a word; it runs without the guard instead.
            guarded_ = false;
            return true;
        }
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

QString CSingleInstance::NoGuardText() const {
    const int reason = lock_.error() == QLockFile::PermissionError ? res::ids::kAppLockNotPermitted
                                                                   : res::ids::kAppLockNoFolder;
    const std::string text =
        res::Format(res::Text(res::ids::kAppNoSingleInstance),
                    QDir::toNativeSeparators(name_ + QStringLiteral(".lock")).toUtf8().constData(),
                    std::string(res::Text(reason)).c_str());
    return QString::fromStdString(text);
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
