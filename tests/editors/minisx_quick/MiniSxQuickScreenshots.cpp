// Screenshots of the MiniSx easy and service windows for the documentation, the service window
// with the preferences' texts. Run under a display (Xvfb):
//   minisx_quick_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "app/CMVKAppDlg.h"
#include "app/QtTranslations.h"
#include "editors/CMiniSXEasyDlg.h"
#include "editors/CMiniSXServiceDlg.h"
#include "support/SimProcess.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/MiniWindowDriver.h"
#include "support/qt/WindowShot.h"

using namespace morvik;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: minisx_quick_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    InstallQtJapanese(app);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::TempDir config;
    ::setenv("MORVIK_CONFIG_DIR", config.path().c_str(), 1);
    std::ofstream(config.File("MorvikTool.ini"))
        << "[MorvikMini/Slim]\r\nServiceBrowserUrl=http://www.example.jp/service/?\r\n"
           "ServiceBrowserMessage=Welcome\r\n";
    test::SimProcess sim(test::SimOptionsFor("minisx", {}, {{"MORVIK_CONFIG_DIR", config.path()}}));
    CMVKAppDlg::StartOptions options;
    options.devicePath = sim.DevicePath();
    CMVKAppDlg main(options);
    test::BoxAnswerer boxes;

    bool ok = true;
    auto* easy = new CMiniSXEasyDlg(main);
    test::Type(easy->UrlField(), "http://www.example.jp/");
    ok = test::SaveWindowShot(*easy, folder, "minisx-easy") && ok;
    easy->close();
    CMiniSXServiceDlg service(main, &main);
    ok = test::SaveWindowShot(service, folder, "minisx-service") && ok;
    return ok ? 0 : 1;
}
