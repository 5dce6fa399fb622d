// The one-copy lock and its socket live in the user's own runtime folder: a lock that another
// user plants under the same name in the shared /tmp keeps nobody from starting the tool.

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "app/CSingleInstance.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

using test::AppFixture;

class SingleInstanceFolderTest : public AppFixture {
  protected:
    SingleInstanceFolderTest() {
        QDir().mkpath(QString::fromStdString(runtime_.File("run")));
        QFile::setPermissions(
            QString::fromStdString(runtime_.File("run")),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        saved_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_.File("run")));
    }
    ~SingleInstanceFolderTest() override { qputenv("XDG_RUNTIME_DIR", saved_); }

    test::TempDir runtime_;
    QByteArray saved_;
};

TEST_F(SingleInstanceFolderTest, ALockPlantedInTmpStopsNothing) {
    const QString name = CSingleInstance::DefaultName();
    const QString base = QFileInfo(name).fileName();
    // Someone else's live lock under the name in /tmp (this process's own id stands for theirs).
    const QString planted = QDir::temp().filePath(base + QStringLiteral(".lock"));
    QFile file(planted);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // (QLockFile takes a lock for live when its process runs under the program name it holds.)
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    file.write(QByteArray::number(static_cast<qint64>(::getpid())) + "\n" + program.toUtf8() +
               "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();

    CSingleInstance first(name);
    EXPECT_TRUE(first.Acquire());
    const QString folder = QString::fromStdString(runtime_.File("run"));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(base + QStringLiteral(".lock"))));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(base)));  // the socket
    QFile::remove(planted);
}

}  // namespace
}  // namespace morvik
