#include "support/qt/MiniWindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "editors/CByteField.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CSelectModeDlg.h"
#include "model/Cp932.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"
#include "support/qt/BoxAnswerer.h"

namespace morvik::test {

WindowActor::WindowActor(std::function<bool(QWidget*)> act) : act_(std::move(act)) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (done_) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && act_(widget)) {
                done_ = true;
                timer_.stop();
                return;
            }
        }
    });
    timer_.start();
}

WindowActor* AnswerFileDialog(QObject* owner, const QString& path) {
    auto* actor = new WindowActor([path](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (dialog == nullptr) {
            return false;
        }
        // Typed into the name field as an operator would; the dialog's own accept() would also
        // wait for a folder listing that fills in the background, so the choice is taken as typed.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) {
            return false;
        }
        name->setText(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        return true;
    });
    actor->setParent(owner);
    return actor;
}

std::vector<std::string> SeedArgs(const MiniSettings& settings) {
    std::vector<std::string> args;
    for (const MiniKeyValue& kv : MiniWriteValues(settings)) {
        if (!kv.value.empty()) {
            args.push_back("--param");
            // The simulator takes its arguments as UTF-8.
            args.push_back(kv.key + "=" + Cp932ToUtf8(kv.value));
        }
    }
    return args;
}

MiniSettings EveryRecordKind() {
    MiniSettings settings = SampleSettings();
    settings.terminal.authCode = "0123";
    settings.sets[0].docomo.browser.message = Sjis("ようこそ");
    return settings;
}

void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Type(CByteField* field, const std::string& text) {
    QTest::keyClick(field->Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(field->Widget(), QString::fromStdString(text));
}

std::vector<std::string> Messages(const BoxAnswerer& boxes) {
    std::vector<std::string> out;
    for (const std::string& box : boxes.Boxes()) {
        if (!box.starts_with("通信を開始します|")) {
            out.push_back(box);
        }
    }
    return out;
}

void ChooseDetailed(CMVKAppDlg& window) {
    WindowActor chooser([](QWidget* widget) {
        auto* dialog = qobject_cast<CSelectModeDlg*>(widget);
        if (dialog == nullptr) {
            return false;
        }
        dialog->DetailedButton()->click();
        return true;
    });
    window.Action(cmd::kChangeSettings)->trigger();
}

CMiniCustomDlg* OpenDetailed(CMVKAppDlg& window) {
    ChooseDetailed(window);
    return VisibleTopLevel<CMiniCustomDlg>();
}

}  // namespace morvik::test
