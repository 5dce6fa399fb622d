// The firmware update window offscreen against a simulated terminal: the step texts and the
// state of its buttons from the start to success, failure and cancel.

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/QtText.h"
#include "dialogs/CFirmDlg.h"
#include "sessions/FirmwareUpdate.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

QString StepText(int step, bool mini = true) {
    return Tr(FirmwareStepTextId(step, mini));
}

class FirmDlgTest : public test::AppFixture {
  protected:
    // A window on a connected simulated terminal of the edition.
    CFirmDlg& Open(const std::string& simEdition, EditionCode code,
                   std::vector<std::string> simArgs = {}) {
        simArgs.insert(simArgs.end(), {"--version", "1.20"});
        dialog_.reset();
        sim_ = &StartSim(simEdition, simArgs);
        main_ = &Window(sim_->DevicePath());
        main_->Terminal().SetFirstCommunication(false);
        EXPECT_TRUE(main_->Terminal().Connect(false));
        dialog_ = std::make_unique<CFirmDlg>(*main_, code);
        dialog_->show();
        return *dialog_;
    }
    std::string Image(const std::string& model, const std::string& version) {
        return test::WriteFirmwareImage(files_, model + version + ".x", model, 3000, version);
    }
    // Steps 1 (unless the test is there already) and 2: the terminal is asked into update mode,
    // then the image is chosen. Moving on to step 2 stops the trigger, so the operator goes on
    // only once the terminal shows update mode.
    void ChooseImage(CFirmDlg& dialog, const std::string& path, bool terminalAnswers = true) {
        if (dialog.Step() < kFirmwareStepEnterUpdateMode) {
            dialog.OnNext();
        }
        if (terminalAnswers) {
            EXPECT_TRUE(sim_->WaitForLogLine("[update mode]"));
        }
        dialog.OnNext();
        ASSERT_EQ(dialog.Step(), kFirmwareStepChooseImage);
        dialog.PathEdit()->setText(QString::fromStdString(path));
    }
    bool WaitForStep(CFirmDlg& dialog, int step, int ms = 40000) {
        return QTest::qWaitFor([&] { return dialog.Step() == step; }, ms);
    }

    test::TempDir files_;
    test::SimProcess* sim_ = nullptr;
    CMVKAppDlg* main_ = nullptr;
    std::unique_ptr<CFirmDlg> dialog_;
};

TEST_F(FirmDlgTest, UpdateGoesFromStartToSuccess) {
    CFirmDlg& dialog = Open("mini", kEditionMini);
    EXPECT_EQ(dialog.windowTitle(), "ファームウェアの更新");
    EXPECT_EQ(dialog.MessageText(), "ファームウェアの更新を行ないます。");
    EXPECT_EQ(dialog.InfoText(), "更新前に、機器設定をファイルに保存しておいてください。");
    EXPECT_TRUE(dialog.PathEdit()->isHidden());
    EXPECT_TRUE(dialog.ProgressBar()->isHidden());
    EXPECT_EQ(dialog.NextButton()->text(), "次へ");
    EXPECT_EQ(dialog.CancelButton()->text(), "中止");

    dialog.OnNext();
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepEnterUpdateMode));
    EXPECT_FALSE(dialog.InfoVisible());
    EXPECT_TRUE(dialog.PictureShown());
    // The Mini-family picture is animated, and the trigger reaches the terminal.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.AnimationFrame() == 2; }, 60000));
    EXPECT_TRUE(sim_->WaitForLogLine("[update mode]"));

    dialog.OnNext();
    EXPECT_EQ(dialog.MessageText(), "ファームウェアを更新します。");
    EXPECT_EQ(dialog.NextButton()->text(), "更新");
    EXPECT_FALSE(dialog.NextButton()->isEnabled());
    EXPECT_FALSE(dialog.PathEdit()->isHidden());
    EXPECT_FALSE(dialog.PictureShown());
    // An image of the other family keeps "更新" disabled; the right one enables it.
    dialog.PathEdit()->setText(QString::fromStdString(Image("ZRT410", "1.31")));
    EXPECT_EQ(dialog.InfoText(), "不正なファームウェアファイルです。");
    EXPECT_FALSE(dialog.NextButton()->isEnabled());
    dialog.PathEdit()->setText(QString::fromStdString(Image("ZRT450", "1.31")));
    EXPECT_EQ(dialog.InfoText(), "バージョン :  1.31");
    EXPECT_TRUE(dialog.NextButton()->isEnabled());

    dialog.OnNext();
    EXPECT_EQ(dialog.Step(), kFirmwareStepSending);
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepSending));
    EXPECT_FALSE(dialog.CancelButton()->isEnabled());
    EXPECT_FALSE(dialog.NextButton()->isEnabled());
    EXPECT_FALSE(dialog.ProgressBar()->isHidden());
    dialog.reject();  // nothing happens while sending
    EXPECT_EQ(dialog.Step(), kFirmwareStepSending);

    ASSERT_TRUE(WaitForStep(dialog, kFirmwareStepUpdated));
    EXPECT_EQ(dialog.MessageText(), "ファームウェアの更新に成功しました。");
    EXPECT_EQ(dialog.CancelButton()->text(), "閉じる");
    EXPECT_TRUE(dialog.CancelButton()->isEnabled());
    EXPECT_EQ(dialog.ProgressBar()->value(), 3000);
    // The panel shows what the restarted terminal reported.
    EXPECT_EQ(main_->PanelInfo().firmwareVersion, "1.31");
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FirmDlgTest, ImageTheTerminalRefusesEndsWithTheNotVerifiedText) {
    // The window checks the image for a Slim, the terminal is a Mini: it refuses the image and
    // comes back with its old version.
    CFirmDlg& dialog = Open("mini", kEditionSlim);
    dialog.OnNext();
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepEnterUpdateMode, false));
    ChooseImage(dialog, Image("ZRT410N", "2.50"));
    ASSERT_TRUE(dialog.NextButton()->isEnabled());
    dialog.OnNext();
    ASSERT_TRUE(WaitForStep(dialog, kFirmwareStepNotVerified));
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepNotVerified));
    EXPECT_TRUE(dialog.ProgressBar()->isHidden());
    EXPECT_EQ(dialog.CancelButton()->text(), "閉じる");
    EXPECT_FALSE(dialog.NextButton()->isEnabled());
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(FirmDlgTest, SenderWithoutAcknowledgementShowsTheSendFailureThenCancels) {
    CFirmDlg& dialog = Open("mini", kEditionMini, {"--fault", "no-reply"});
    ChooseImage(dialog, Image("ZRT450", "1.31"), false);
    dialog.OnNext();
    ASSERT_TRUE(WaitForStep(dialog, kFirmwareStepSendFailed));
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepSendFailed));
    EXPECT_TRUE(dialog.CancelButton()->isEnabled());
    dialog.reject();
    EXPECT_EQ(dialog.Step(), kFirmwareStepCancelled);
    EXPECT_EQ(dialog.MessageText(), StepText(kFirmwareStepCancelled));
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(FirmDlgTest, CancelBeforeSendingShowsTheCancelText) {
    for (int step : {kFirmwareStepEnterUpdateMode, kFirmwareStepChooseImage}) {
        SCOPED_TRACE(step);
        CFirmDlg& dialog = Open("mini", kEditionMini);
        while (dialog.Step() < step) {
            dialog.OnNext();
        }
        dialog.reject();
        EXPECT_EQ(dialog.Step(), kFirmwareStepCancelled);
        EXPECT_EQ(dialog.MessageText(),
                  "ファームウェアの更新を中止しました。\n"
                  "電源を再投入して通常モードになっていることを確認してください。");
        EXPECT_EQ(dialog.CancelButton()->text(), "閉じる");
        EXPECT_FALSE(dialog.NextButton()->isEnabled());
        EXPECT_TRUE(dialog.PathEdit()->isHidden());
        EXPECT_FALSE(dialog.PictureShown());
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

}  // namespace
}  // namespace morvik
