// The desktop tool's windows as the same program on both platforms: built for Linux and, as a
// Windows program, for Wine. Each test talks to a simulated terminal that its caller
// (scripts/windows_test.sh) started and linked as COM<MORVIK_TEST_COM>: on Linux in the ports
// folder of the preferences, under Wine as the prefix's COM port. The caller runs each test once
// per platform against terminals started alike and compares what they received, byte for byte.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "editors/CConfigDlg.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "files/MiniFamilySettingsFile.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

class WindowsGuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const int com = qEnvironmentVariableIntValue("MORVIK_TEST_COM");
        ASSERT_GT(com, 0) << "MORVIK_TEST_COM names the simulated terminal's COM port";
        window_ = std::make_unique<CMVKAppDlg>(CMVKAppDlg::StartOptions{});
        window_->SetPortNumber(com);
    }

    QString PanelText(int field) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("infoField%1").arg(field))->text();
    }

    test::BoxAnswerer boxes_;
    std::unique_ptr<CMVKAppDlg> window_;
};

TEST_F(WindowsGuiTest, MainWindowReadsTheTerminalsInformation) {
    window_->Action(cmd::kReadDeviceInfo)->trigger();
    EXPECT_EQ(PanelText(0), QStringLiteral("ZRT450"));
    EXPECT_EQ(PanelText(1), QStringLiteral("W18T0001"));
    EXPECT_EQ(PanelText(2), QStringLiteral("1.20"));
    EXPECT_TRUE(test::Messages(boxes_).empty());
    EXPECT_FALSE(window_->Terminal().IsConnected());
}

// The file has a Japanese name: it travels from the file dialog to the files layer as the
// platform names files, and the window's title shows it.
TEST_F(WindowsGuiTest, MiniFileOpensChangesAndIsWritten) {
    const QString path = QDir::current().filePath(QStringLiteral("設定ファイル.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string text = MiniSettingsFileText(test::EveryRecordKind());
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();

    test::AnswerFileDialog(window_.get(), path);
    window_->Action(cmd::kOpenSettingsFile)->trigger();
    auto* window = test::VisibleTopLevel<CMiniCustomDlg>();
    ASSERT_NE(window, nullptr) << ::testing::PrintToString(test::Messages(boxes_));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("モルヴィク・ミニ/ミニS 詳細設定[設定ファイル.dat]"));
    window->SetCloseAfterWrite(false);
    test::Type(window->SetPage(1)->SelectedPage(PhoneGroup::Other)->Field(2), "r");
    boxes_.Clear();
    window->WriteButton()->click();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"書き込み完了|書き込みが完了し、再起動しました。"});
    EXPECT_FALSE(window_->Terminal().IsConnected());
}

TEST_F(WindowsGuiTest, SlimEditorWritesWhatItShows) {
    window_->Action(cmd::kChangeSettings)->trigger();
    auto* editor = qobject_cast<CConfigDlg*>(window_->SlimSlot());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("モルヴィク・スリム 機器設定[W18T0001]"));
    SlimEditorState state = editor->State();
    state.function = SlimFunction::BrowserMailer;
    state.browser.url = "http://new.example/?";
    state.browserQuery = true;
    state.mailer.to = "a@b.jp";
    editor->SetState(state);
    boxes_.Clear();
    editor->findChild<QPushButton*>(QStringLiteral("write"))->click();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{
                  "書き込み完了|書き込みが完了しました。機器を再起動してください。"});
    EXPECT_FALSE(window_->Terminal().IsConnected());
}

}  // namespace
}  // namespace morvik

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Windows' own file dialog is no Qt widget: the tests answer Qt's, as on Linux.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
