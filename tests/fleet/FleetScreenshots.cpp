// The screenshot of the 一括設定 window for the documentation: five simulated terminals (a Mini,
// a MiniS, a MiniSx, a Slim and a Mini whose write fails) behind cables of a machine of the
// program's own, after a Mini settings file was written to all of them. Run under a display
// (Xvfb):
//   fleet_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/QtTranslations.h"
#include "fleet/CFleetDlg.h"
#include "support/FakeCable.h"
#include "support/Files.h"
#include "support/ScopedEnv.h"
#include "support/SimProcess.h"
#include "support/qt/TestWindowHost.h"
#include "support/qt/WindowShot.h"

int main(int argc, char** argv) {
    using namespace morvik;
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fleet_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    InstallQtJapanese(app);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::TempDir config;
    test::TempDir machine;
    test::TempDir files;
    const test::ScopedEnv configEnv("MORVIK_CONFIG_DIR", config.path());
    const test::ScopedEnv sysfs("MORVIK_SYSFS_ROOT", machine.File("sys"));
    const test::ScopedEnv dev("MORVIK_DEV_ROOT", machine.File("dev"));
    const std::map<std::string, std::string> env = {{"MORVIK_CONFIG_DIR", config.path()}};

    test::SimProcess source({.edition = "mini", .args = {"--param", "pow=3"}, .env = env});
    const std::string file = files.File("shop.dat");
    const test::RunResult read = test::RunProgram(
        {test::RequiredEnv("MORVIK_CLI"), "--device", source.DevicePath(), "--quiet", "read", file},
        "", env);
    if (read.exitCode != 0) {
        std::fprintf(stderr, "%s", read.err.c_str());
        return 1;
    }
    struct Terminal {
        const char* edition;
        const char* tid;
        std::vector<std::string> args;
    };
    const Terminal terminals[] = {{"mini", "SHOP-0101", {}},
                                  {"minis", "SHOP-0102", {}},
                                  {"minisx", "SHOP-0103", {}},
                                  {"slim", "SHOP-0104", {}},
                                  {"mini", "SHOP-0105", {"--fault", "error-key=que1"}}};
    std::vector<std::unique_ptr<test::SimProcess>> sims;
    int index = 0;
    for (const Terminal& terminal : terminals) {
        std::vector<std::string> args = {"--tid", terminal.tid};
        args.insert(args.end(), terminal.args.begin(), terminal.args.end());
        sims.push_back(std::make_unique<test::SimProcess>(
            test::SimOptions{.edition = terminal.edition, .args = args, .env = env}));
        test::PlugInTerminalCable(machine, sims.back()->DevicePath(), index,
                                  "FT" + std::to_string(4711 + index));
        ++index;
    }

    test::TestWindowHost host;
    CFleetDlg window(host, nullptr);
    window.ActionBox()->setCurrentIndex(1);  // 機器設定ファイルの書き込み
    window.PathEdit()->setText(QString::fromStdString(file));
    window.show();
    QEventLoop loop;
    QObject::connect(&window, &CFleetDlg::RunFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    window.Start();
    loop.exec();
    if (window.Running()) {
        std::fprintf(stderr, "the run did not end within a minute\n");
        return 1;
    }
    return test::SaveWindowShot(window, folder, "fleet-window") ? 0 : 1;
}
