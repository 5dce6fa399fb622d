// Screenshots of the lamp, user pattern, periodic guidance lamp and sound dialogs for docs/,
// each lamp preview stopped mid-pattern. Run under a real (virtual) display:
//   lamp_screenshots OUTPUT_FOLDER
// The main window is started on a throw-away preferences folder and sees no serial devices.

#include <stdlib.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "app/CMVKAppDlg.h"
#include "editors/CAttractLampDlg.h"
#include "editors/CLampCustomDlg.h"
#include "editors/CLampDlg.h"
#include "editors/CLampPreview.h"
#include "editors/CLampRow.h"
#include "editors/CSoundDlg.h"

namespace {

using namespace morvik;

// A lit step of every fixed pattern and of the user patterns below.
constexpr int kShownStep = 4;

bool Save(QWidget& window, const QString& path) {
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.toLocal8Bit().constData());
    return saved;
}

void Pick(CLampRow& row, int pattern, int colour) {
    row.PatternList()->setCurrentIndex(pattern);
    row.ColourList()->setCurrentIndex(colour);
}

void Freeze(CLampRowsDlg& dialog) {
    for (int i = 0; i < dialog.RowCount(); ++i) {
        dialog.Row(i)->Preview()->SetRunning(false);
        dialog.Row(i)->Preview()->SetStep(kShownStep);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir machine;
    for (const char* dir : {"sys", "dev", "config"}) {
        QDir(machine.path()).mkpath(dir);
    }
    ::setenv("MORVIK_SYSFS_ROOT", (machine.path() + "/sys").toLocal8Bit().constData(), 1);
    ::setenv("MORVIK_DEV_ROOT", (machine.path() + "/dev").toLocal8Bit().constData(), 1);
    ::setenv("MORVIK_CONFIG_DIR", (machine.path() + "/config").toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: lamp_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    CMVKAppDlg main;
    main.Prefs().WriteUserLamp(1, "812345670000");
    main.Prefs().WriteUserLamp(2, "1707070707");
    bool ok = true;

    LampSetPatterns decoded{};
    decoded[2] = "10000100000000";  // as read from a terminal: 固定3 in red
    CLampDlg lamps(&main, main, 1, decoded, {});
    Pick(*lamps.Row(0), 2, 6);  // 固定2, 白
    Pick(*lamps.Row(1), 1, 0);  // 固定1, 赤
    Pick(*lamps.Row(3), 7, 0);  // ユーザ設定パターン1
    Pick(*lamps.Row(4), 6, 1);  // 固定6, 青
    Pick(*lamps.Row(5), 4, 5);  // 固定4 (idle), 水色
    Freeze(lamps);
    ok &= Save(lamps, out + "/lamp-dialog.png");

    CAttractLampDlg guidance(&main, main, GuidanceLampPatterns{}, {});
    Pick(*guidance.Row(0), 5, 2);   // 固定5, 緑
    Pick(*guidance.Row(1), 8, 0);   // ユーザ設定パターン2
    Pick(*guidance.Row(2), 2, 4);   // 固定2, 黄色
    Pick(*guidance.Row(3), 10, 0);  // 点灯しない
    Freeze(guidance);
    ok &= Save(guidance, out + "/guidance-lamp-dialog.png");

    CLampCustomDlg custom(&main, main, LoadUserLampPatterns(main));
    ok &= Save(custom, out + "/user-lamp-dialog.png");

    CSoundDlg sounds(&main, main, SoundDialogMode::Set2, {}, true);
    sounds.SetStandardSounds();
    ok &= Save(sounds, out + "/sound-dialog.png");
    return ok ? 0 : 1;
}
