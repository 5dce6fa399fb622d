#include "app/CSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>

#include "app/UserKey.h"
#include "link/ConfigDir.h"

namespace morvik {

QString CSingleInstance::DefaultName() {
    const QByteArray identity = CurrentUserKey() + ':' + QByteArray::fromStdString(ConfigDir());
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex();
    return QDir(Folder()).filePath(QStringLiteral("morvik-tool-") +
                                   QString::fromLatin1(hash.left(16)));
}

}  // namespace morvik
