// The one-copy lock on POSIX: a lock file held for the whole run and a local socket beside it on
// which later copies ask for the window.

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include "app/AppStringIds.h"
#include "app/CSingleInstance.h"
#include "link/ConfigDir.h"
#include "res/Strings.h"

namespace morvik {

namespace {

constexpr int kRequestTimeoutMs = 2000;

void AskFirstCopyToShow(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(kRequestTimeoutMs)) {
        socket.write("show\n");
        socket.waitForBytesWritten(kRequestTimeoutMs);
        socket.disconnectFromServer();
    }
}

}  // namespace

struct CSingleInstance::Lock {
    explicit Lock(const QString& name) : file(name + QStringLiteral(".lock")) {
        // The lock is held for the whole run: only a copy that is gone frees it, never its age.
        file.setStaleLockTime(0);
    }
    ~Lock() { server.close(); }

    QLockFile file;
    QLocalServer server;
};

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

CSingleInstance::CSingleInstance(QString name)
    : name_(QDir::isAbsolutePath(name) ? name : QDir(Folder()).filePath(name)) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::Acquire() {
    auto lock = std::make_unique<Lock>(name_);
    if (!lock->file.tryLock(0)) {
        if (lock->file.error() != QLockFile::LockFailedError) {
            // Not another copy's lock: no lock can be made here. Ending silently would leave the
            // operator without the tool and without a word; it runs without the guard instead.
            guarded_ = false;
            lock_ = std::move(lock);
            return true;
        }
        AskFirstCopyToShow(name_);
        return false;
    }
    lock_ = std::move(lock);
    QLocalServer& server = lock_->server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that crashed is ours now: the lock says so.
    QLocalServer::removeServer(name_);
    server.listen(name_);
    connect(&server, &QLocalServer::newConnection, this, [this, &server] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    return true;
}

QString CSingleInstance::NoGuardText() const {
    const int reason = lock_ && lock_->file.error() == QLockFile::PermissionError
                           ? res::ids::kAppLockNotPermitted
                           : res::ids::kAppLockNoFolder;
    const std::string text =
        res::Format(res::Text(res::ids::kAppNoSingleInstance),
                    QDir::toNativeSeparators(name_ + QStringLiteral(".lock")).toUtf8().constData(),
                    std::string(res::Text(reason)).c_str());
    return QString::fromStdString(text);
}

}  // namespace morvik
