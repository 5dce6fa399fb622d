// One copy per user: a later copy brings the first one's window forward and ends without one.

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <signal.h>

#include <cstring>
#include <fstream>

#include "app/CMVKAppApp.h"
#include "app/CSingleInstance.h"
#include "support/StderrCapture.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

using test::AppFixture;

class SingleInstanceTest : public AppFixture {
  protected:
    // A started copy is up once it answers on its socket; false when it never does.
    static bool WaitUntilListening() {
        for (int i = 0; i < 600; ++i) {
            QLocalSocket socket;
            socket.connectToServer(CSingleInstance::DefaultName());
            if (socket.waitForConnected(100)) {
                return true;
            }
            QTest::qWait(100);  // a ceiling of a minute for a slow start, not a timing
        }
        return false;
    }
};

TEST_F(SingleInstanceTest, SecondCopyAsksTheFirstToShow) {
    CSingleInstance first(CSingleInstance::DefaultName());
    ASSERT_TRUE(first.Acquire());
    QSignalSpy shown(&first, &CSingleInstance::activationRequested);

    CSingleInstance second(CSingleInstance::DefaultName());
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(shown.wait(5000));

    // Another preferences folder is another user's tool as far as the lock goes.
    const test::ScopedEnv elsewhere("MORVIK_CONFIG_DIR", Config().File("elsewhere"));
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
    ASSERT_TRUE(WaitUntilListening());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(tool, {});
    // A copy with a window would run until it was closed.
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    EXPECT_TRUE(first.waitForFinished(30000));
}

// A lock that cannot be made at all (its folder cannot be written) is no other copy: the tool
// runs without the guard and says why, on standard error and in a box that holds nothing up.
TEST_F(SingleInstanceTest, ALockThatCannotBeMadeRunsUnguardedAndSaysWhy) {
    const std::string plain = Config().File("plain");
    std::ofstream(plain) << "a file, not a folder\n";
    CSingleInstance instance(QString::fromStdString(plain + "/morvik-tool"));
    EXPECT_TRUE(instance.Acquire());
    EXPECT_FALSE(instance.Guarded());
    CMVKAppDlg& window = Window();
    {
        const test::StderrCapture err;
        CMVKAppApp::ReportNoGuard(instance, window);
        EXPECT_NE(err.Text().find("二重起動を防ぐためのファイル " + plain +
                                  "/morvik-tool.lock を作成できません("
                                  "フォルダがないか、書き込めない場所です)。\n"
                                  "二重起動の確認をせずに起動します。\n"),
                  std::string::npos)
            << err.Text();
    }
    for (int i = 0; i < 100 && boxes_.Boxes().empty(); ++i) {
        QTest::qWait(50);
    }
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_TRUE(boxes_.Boxes()[0].starts_with("エラー|二重起動を防ぐためのファイル "))
        << boxes_.Boxes()[0];

    // The program itself: it keeps running with its window (a copy that ended here would have
    // left the operator without the tool and without a word).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(plain));
    env.insert(QStringLiteral("MORVIK_CONFIG_DIR"), QString::fromStdString(plain + "/config"));
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.setReadChannel(QProcess::StandardError);
    tool.start(QStringLiteral(MORVIK_TOOL_PATH), {});
    ASSERT_TRUE(tool.waitForStarted(30000));
    QByteArray err;
    while (!err.contains("二重起動の確認をせずに起動します。") && tool.waitForReadyRead(30000)) {
        err += tool.readAllStandardError();
    }
    EXPECT_TRUE(err.contains("二重起動の確認をせずに起動します。")) << err.toStdString();
    EXPECT_EQ(tool.state(), QProcess::Running);
    tool.terminate();
    EXPECT_TRUE(tool.waitForFinished(60000));
}

// SIGTERM, SIGINT or SIGHUP (a logout, a service stop, Ctrl+C, a test's clean-up) ends an idle
// tool at once, as closing its window does: it exits normally, and its lock and socket are gone,
// in the temporary folder and in the preferences folder alike.
TEST_F(SingleInstanceTest, TerminationRemovesTheLockAndTheSocket) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(::strsignal(signal));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("MORVIK_CONFIG_DIR"), QString::fromStdString(Config().path()));
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(MORVIK_TOOL_PATH), {});
        ASSERT_TRUE(tool.waitForStarted(30000));
        ASSERT_TRUE(WaitUntilListening());

        // The lock and the socket live in the user's runtime folder; the temporary folder is looked
        // at too, where an older tool kept them.
        const QString name = QFileInfo(CSingleInstance::DefaultName()).fileName();
        auto leftovers = [&name, this] {
            const QDir::Filters all =
                QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
            QStringList found;
            for (const QString& entry : QDir(CSingleInstance::Folder()).entryList(all)) {
                if (entry.startsWith(name)) {
                    found << QStringLiteral("runtime/") + entry;
                }
            }
            for (const QString& entry : QDir::temp().entryList(all)) {
                if (entry.startsWith(name)) {
                    found << QStringLiteral("temp/") + entry;
                }
            }
            // The preferences folder is the test's own: any lock in it is the tool's.
            for (const QString& entry :
                 QDir(QString::fromStdString(Config().path())).entryList(all)) {
                if (entry.startsWith(name) || entry.endsWith(QStringLiteral(".lock"))) {
                    found << QStringLiteral("config/") + entry;
                }
            }
            return found;
        };
        ASSERT_FALSE(leftovers().isEmpty()) << "a running tool holds its lock and socket";

        ::kill(static_cast<pid_t>(tool.processId()), signal);
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), 0);
        EXPECT_EQ(leftovers(), QStringList());
    }
}

}  // namespace
}  // namespace morvik
