// Screenshots of the MiniSx settings windows for the documentation: the four tabs of the
// detailed window (read from a simulated MiniSx that uses every page), the lamp and the sound
// window. Run under a display (Xvfb):
//   minisx_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "app/CMVKAppDlg.h"
#include "app/QtTranslations.h"
#include "editors/CMiniSXCustomDlg.h"
#include "editors/CMiniSXLampDlg.h"
#include "editors/CMiniSXSoundDlg.h"
#include "editors/minisx/MiniSxWindowDriver.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/WindowShot.h"

using namespace morvik;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: minisx_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    InstallQtJapanese(app);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::TempDir config;
    ::setenv("MORVIK_CONFIG_DIR", config.path().c_str(), 1);
    test::SimProcess sim(test::SimOptions{.edition = "minisx",
                                          .args = test::MiniSxSeedArgs(test::EveryMiniSxPage()),
                                          .env = {{"MORVIK_CONFIG_DIR", config.path()}}});
    CMVKAppDlg::StartOptions options;
    options.devicePath = sim.DevicePath();
    CMVKAppDlg main(options);
    test::BoxAnswerer boxes;

    CMiniSXCustomDlg* window = test::OpenMiniSxDetailed(main);
    if (window == nullptr) {
        std::fprintf(stderr, "the detailed window did not open\n");
        return 1;
    }
    bool ok = true;
    const char* tabs[] = {"minisx-detailed-basic", "minisx-detailed-smartphone",
                          "minisx-detailed-nfc", "minisx-detailed-terminal"};
    for (int tab = 0; tab < 4; ++tab) {
        window->Tabs()->setCurrentIndex(tab);
        ok = test::SaveWindowShot(*window, folder, tabs[tab]) && ok;
    }

    CMiniSXLampDlg lamps(window, main, window->Settings().lamps, window->LampChoices());
    ok = test::SaveWindowShot(lamps, folder, "minisx-lamp") && ok;
    lamps.hide();
    CMiniSXSoundDlg sounds(window, main, window->Settings().soundPaths, false);
    sounds.SetStandardSounds();
    ok = test::SaveWindowShot(sounds, folder, "minisx-sound") && ok;
    sounds.hide();
    window->close();
    return ok ? 0 : 1;
}
