// The sound dialog offscreen: OK's refusals and questions in order with real wave files, the
// standard sounds, the bold labels of each mode and the play buttons.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editors/CSoundDlg.h"
#include "editors/CSoundRow.h"
#include "editors/lamp/ModalDriver.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Wave.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

class SoundDlgTest : public test::AppFixture {
  protected:
    std::string Wav(const std::string& name, std::size_t size, std::uint8_t seed = 0) {
        const std::string path = files_.File(name);
        test::WriteWave(path, size - 44, seed);
        return path;
    }
    static std::vector<std::string> Fields(const CSoundDlg& dialog) {
        std::vector<std::string> fields;
        for (int slot = 0; slot < 12; ++slot) {
            fields.push_back(dialog.Row(slot)->PathField()->text().toStdString());
        }
        return fields;
    }
    test::TempDir files_;
};

const std::string kTooLarge =
    "エラー|音声ファイルの合計サイズが限界を超えています。252キロバイトまでです。";
const std::string kEmptySlots =
    "注意|空欄の項目があります。これらの音声は削除されます。よろしいですか？";
const std::string kOnWrite = "注意|「設定/再起動」ボタンを押したときに設定が書き込まれます。";
const std::string kNotRegistered =
    "注意|「音声を登録する」にチェックが入っていないため、音声をモルヴィク・ミニに登録しません。"
    "よろしいですか？";

TEST_F(SoundDlgTest, RefusalsAndQuestionsComeInOrderAndKeepTheEntries) {
    test::TestWindowHost& host = Host();
    std::array<std::string, 12> paths{};
    paths[0] = Wav("a.wav", 130000, 1);
    paths[6] = Wav("b.wav", 130000, 2);
    CSoundDlg dialog(&host.HostWindow(), host, SoundDialogMode::Set1, paths, true);
    dialog.show();
    const std::vector<std::string> entered = Fields(dialog);

    dialog.accept();
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{kTooLarge});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Fields(dialog), entered);

    // The same file twice counts once; the empty slots are asked about, Cancel keeps the dialog.
    dialog.Row(6)->SetPath(dialog.Row(0)->Path());
    boxes_.Clear();
    boxes_.SetAnswer(QMessageBox::Cancel);
    dialog.accept();
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{kEmptySlots});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.RegisterCheck()->isChecked());

    boxes_.Clear();
    boxes_.SetAnswer(QMessageBox::Ok);
    dialog.accept();
    EXPECT_EQ(boxes_.Boxes(), (std::vector<std::string>{kEmptySlots, kOnWrite}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SoundDlgTest, UntickedRegistrationAsksAndCancelKeepsTheDialog) {
    test::TestWindowHost& host = Host();
    std::array<std::string, 12> paths{};
    paths[4] = Wav("a.wav", 2000);
    CSoundDlg dialog(&host.HostWindow(), host, SoundDialogMode::Set1, paths, false);
    dialog.show();
    boxes_.SetAnswer(QMessageBox::Cancel);
    dialog.accept();
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{kNotRegistered});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Paths(), paths);
}

// Through the contract: one 200,000-byte file in all twelve slots fits and is stored.
TEST_F(SoundDlgTest, OneFileInEverySlotIsStoredAfterOk) {
    test::TestWindowHost& host = Host();
    MiniSettings settings;
    const std::string big = Wav("big.wav", 200000);
    test::ModalDriver<CSoundDlg> fill([&](CSoundDlg& d) {
        for (int slot = 0; slot < 12; ++slot) {
            d.Row(slot)->SetPath(QString::fromStdString(big));
        }
        d.RegisterCheck()->setChecked(true);
        d.accept();
    });
    EXPECT_TRUE(RunSoundDialog(&host.HostWindow(), host, SoundDialogMode::Guidance, settings));
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{kOnWrite});
    EXPECT_TRUE(settings.registerSounds);
    for (const std::string& path : settings.soundPaths) {
        EXPECT_EQ(path, big);
    }
}

TEST_F(SoundDlgTest, StandardSoundsLeaveTheGuidanceSlotsEmpty) {
    test::TestWindowHost& host = Host();
    std::array<std::string, 12> paths;
    paths.fill("/somewhere/old.wav");
    CSoundDlg dialog(&host.HostWindow(), host, SoundDialogMode::Guidance, paths, false);
    dialog.StandardButton()->click();
    const std::vector<std::string> fields = Fields(dialog);
    const char* expected[] = {"mini_ok", "mini_ng", "", "mini_ok", "mini_ng", "",
                              "kel_fin", "mini_ng", "", "mini_ok", "mini_ng", ""};
    for (std::size_t slot = 0; slot < 12; ++slot) {
        if (*expected[slot] == '\0') {
            EXPECT_EQ(fields[slot], "") << slot;
        } else {
            EXPECT_TRUE(fields[slot].ends_with(std::string("/wav/") + expected[slot] + ".wav"))
                << fields[slot];
        }
    }
}

TEST_F(SoundDlgTest, ModeDecidesTheBoldLabelsAndPlayNeedsADeviceAndAPath) {
    test::TestWindowHost& host = Host();
    std::array<std::string, 12> paths{};
    paths[0] = Wav("a.wav", 1000);
    const auto bold = [](const CSoundDlg& d, int slot) {
        return d.Row(slot)->Label()->font().bold();
    };
    CSoundDlg set2(&host.HostWindow(), host, SoundDialogMode::Set2, paths, false);
    EXPECT_EQ(set2.Row(6)->Label()->text(), QStringLiteral("成功音 ※"));
    std::vector<int> boldSlots;
    for (int slot = 0; slot < 12; ++slot) {
        if (bold(set2, slot)) {
            boldSlots.push_back(slot);
        }
    }
    EXPECT_EQ(boldSlots, (std::vector<int>{6, 7, 9, 10}));
    CSoundDlg guidance(&host.HostWindow(), host, SoundDialogMode::Guidance, paths, false);
    EXPECT_TRUE(bold(guidance, 11));
    EXPECT_FALSE(bold(guidance, 0));

    EXPECT_FALSE(set2.Row(1)->PlayButton()->isEnabled());
    EXPECT_EQ(set2.Row(0)->PlayButton()->isEnabled(), CSoundRow::PlaybackAvailable());
}

}  // namespace
}  // namespace morvik
