#include "editors/minisx/MiniSxWindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "editors/CMiniSXCustomDlg.h"
#include "editors/CSelectModeDlg.h"
#include "model/Cp932.h"
#include "sessions/mini/MiniTestData.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik::test {

MiniSxSettings EveryMiniSxPage() {
    const MiniSettings mini = SampleSettings();
    MiniSxSettings settings;
    settings.sets = mini.sets;
    settings.smartphone.Choose(SmartphoneChoice::SmartphoneSettings);
    settings.nfc = {kNfcModeBrowser, kNfcQueryPlain, "http://nfc.example.jp/a?"};
    settings.clockCheck = true;
    settings.lamps[0] = "11111111111";
    settings.lamps[2] = "10000100000000";
    settings.lamps[7] = "822222000002222200000";
    return settings;
}

std::vector<std::string> MiniSxSeedArgs(const MiniSxSettings& settings) {
    std::vector<std::string> args;
    for (const MiniKeyValue& kv : MiniSxWriteValues(settings)) {
        if (!kv.value.empty()) {
            args.push_back("--param");
            // The simulator takes its arguments as UTF-8.
            args.push_back(kv.key + "=" + Cp932ToUtf8(kv.value));
        }
    }
    args.push_back("--param");
    args.push_back("nque=" + std::to_string(settings.nfc.query));
    args.push_back("--ndef");
    args.push_back(Cp932ToUtf8(settings.nfc.url));
    return args;
}

CMiniSXCustomDlg* OpenMiniSxDetailed(CMVKAppDlg& window) {
    ChooseDetailed(window);
    return VisibleTopLevel<CMiniSXCustomDlg>();
}

}  // namespace morvik::test
