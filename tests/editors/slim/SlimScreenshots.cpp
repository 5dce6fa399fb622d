// Makes the screenshots of the Slim windows for docs/: the settings window for each function,
// filled with example values, and the service window. Run by scripts/screenshots/slim.sh under
// Xvfb: slim_screenshots <output folder>.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "app/CMVKAppDlg.h"
#include "editors/CConfigDlg.h"
#include "editors/CServiceDlg.h"
#include "model/Cp932.h"

namespace {

using namespace morvik;

std::string Sjis(const char* utf8) {
    return Utf8ToCp932(utf8).value_or(std::string());
}

SlimEditorState Example(SlimFunction function) {
    SlimEditorState state;
    state.function = function;
    state.browser = {"http://www.example.com/shop/index.html?",
                     Sjis("ようこそ\r\nタッチありがとうございます")};
    state.toruca = {"http://www.example.com/toruca/detail.html?", "1f", Sjis("クーポン"),
                    Sjis("本日限り\r\n10%オフ"), Sjis("店頭")};
    state.mailer = {"info@example.com", "", Sjis("お問い合わせ"), Sjis("ご用件をお書きください"),
                    Sjis("メールを送ります")};
    state.browserQuery = true;
    state.torucaQuery = function == SlimFunction::TorucaMailer;
    state.encryptQuery = true;
    state.behaviour.buzzer = false;
    return state;
}

bool Grab(QWidget& window, const QString& path) {
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s %dx%d\n", qPrintable(path), window.width(), window.height());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: slim_screenshots <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    CMVKAppDlg main;
    bool ok = true;
    const SlimFunction functions[] = {SlimFunction::Browser, SlimFunction::TorucaBrowser,
                                      SlimFunction::BrowserMailer, SlimFunction::TorucaMailer};
    for (int i = 0; i < 4; ++i) {
        auto* editor = new CConfigDlg(main);
        editor->setWindowTitle(QStringLiteral("モルヴィク・スリム 機器設定[S0001234]"));
        editor->SetState(Example(functions[i]));
        ok = Grab(*editor, out.filePath(QStringLiteral("slim-editor-function%1.png").arg(i + 1))) &&
             ok;
        delete editor;
    }
    CServiceDlg service(main, &main);
    service.findChild<QComboBox*>(QStringLiteral("function"))->setCurrentIndex(1);
    ok = Grab(service, out.filePath(QStringLiteral("slim-service.png"))) && ok;
    return ok ? 0 : 1;
}
