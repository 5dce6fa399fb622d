// One copy per user: a later copy brings the first one's window forward and ends without one.

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "app/AppFixture.h"
#include "app/CSingleInstance.h"

namespace morvik {
namespace {

using test::AppFixture;

class SingleInstanceTest : public AppFixture {};

TEST_F(SingleInstanceTest, SecondCopyAsksTheFirstToShow) {
    CSingleInstance first(CSingleInstance::DefaultName());
    ASSERT_TRUE(first.Acquire());
    QSignalSpy shown(&first, &CSingleInstance::activationRequested);

    CSingleInstance second(CSingleInstance::DefaultName());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(shown.wait(5000));

    // Another preferences folder is another user's tool as far as the lock goes.
    ::setenv("MORVIK_CONFIG_DIR", Config().File("elsewhere").c_str(), 1);
    CSingleInstance other(CSingleInstance::DefaultName());
    EXPECT_TRUE(other.Acquire());
}

TEST_F(SingleInstanceTest, SecondProgramEndsWithoutAWindow) {
    const QString tool = QStringLiteral(MORVIK_TOOL_PATH);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("MORVIK_CONFIG_DIR"), QString::fromStdString(Config().path()));

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(tool, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first copy is up once it answers on its socket.
    bool listening = false;
    for (int i = 0; i < 100 && !listening; ++i) {
        QLocalSocket socket;
        socket.connectToServer(CSingleInstance::DefaultName());
        listening = socket.waitForConnected(200);
        if (!listening) {
            QTest::qWait(100);
        }
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(tool, {});
    // A copy with a window would run until it was closed.
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    EXPECT_TRUE(first.waitForFinished(10000));
}

}  // namespace
}  // namespace morvik
