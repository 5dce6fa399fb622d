// Screenshots of the Mini/MiniS settings windows for the documentation: the chooser, every tab
// of the detailed window (read from a simulated Mini holding every record kind), the set page
// with each function page, and the easy and service windows. Run under a display (Xvfb):
//   mini_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "app/CMVKAppDlg.h"
#include "app/QtTranslations.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "editors/CMiniServiceDlg.h"
#include "editors/CSelectModeDlg.h"
#include "support/SimProcess.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/MiniWindowDriver.h"
#include "support/qt/WindowShot.h"

namespace {

using namespace morvik;

// Set 1's groups on other pages, to show every function page.
void SelectPages(CMiniCustomDlg& window, int docomo, int other) {
    CMiniConfigDlg* set = window.SetPage(0);
    test::Choose(set->SelectedPage(PhoneGroup::Docomo)->Selector(), docomo);
    test::Choose(set->SelectedPage(PhoneGroup::Other)->Selector(), other);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mini_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    InstallQtJapanese(app);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    test::TempDir config;
    ::setenv("MORVIK_CONFIG_DIR", config.path().c_str(), 1);
    test::SimProcess sim(test::SimOptions{.edition = "mini",
                                          .args = test::SeedArgs(test::EveryRecordKind()),
                                          .env = {{"MORVIK_CONFIG_DIR", config.path()}}});
    CMVKAppDlg::StartOptions options;
    options.devicePath = sim.DevicePath();
    CMVKAppDlg main(options);
    test::BoxAnswerer boxes;

    bool ok = true;
    CSelectModeDlg chooser(kEditionMini, nullptr);
    ok = test::SaveWindowShot(chooser, folder, "mini-chooser") && ok;
    chooser.hide();

    CMiniCustomDlg* window = test::OpenDetailed(main);
    if (window == nullptr) {
        std::fprintf(stderr, "the detailed window did not open\n");
        return 1;
    }
    const char* tabs[] = {"mini-detailed-set1", "mini-detailed-set2", "mini-detailed-guidance",
                          "mini-detailed-terminal"};
    for (int tab = 0; tab < 4; ++tab) {
        window->Tabs()->setCurrentIndex(tab);
        ok = test::SaveWindowShot(*window, folder, tabs[tab]) && ok;
    }
    window->Tabs()->setCurrentIndex(0);
    SelectPages(*window, 1, 2);  // Toruca and application
    ok = test::SaveWindowShot(*window, folder, "mini-page-toruca-appli") && ok;
    SelectPages(*window, 2, 0);  // application and browser
    ok = test::SaveWindowShot(*window, folder, "mini-page-appli-browser") && ok;
    window->close();

    auto* easy = new CMiniEasyDlg(main);
    ok = test::SaveWindowShot(*easy, folder, "mini-easy") && ok;
    easy->close();
    CMiniServiceDlg service(main, &main);
    ok = test::SaveWindowShot(service, folder, "mini-service") && ok;
    return ok ? 0 : 1;
}
