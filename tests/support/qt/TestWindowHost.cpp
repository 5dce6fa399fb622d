#include "support/qt/TestWindowHost.h"

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik::test {

// The preferences file of the user, which the window fixture points at its own folder.
TestWindowHost::TestWindowHost() : prefs_(Preferences::DefaultPath()) {
    prefs_.LoadCloseAfterWrite();
    prefs_.LoadPort();
    prefs_.LoadServiceDefaults();
}

void TestWindowHost::ErrorBox(const QString& text, QWidget* owner, bool guard) {
    MessageBox(owner, Tr(res::ids::kErrorCaption), text, QMessageBox::Warning, QMessageBox::Ok,
               guard);
}

QMessageBox::StandardButton TestWindowHost::MessageBox(QWidget* owner, const QString& caption,
                                                       const QString& text, QMessageBox::Icon icon,
                                                       QMessageBox::StandardButtons buttons,
                                                       bool guard) {
    if (guard) {
        ModalGuard(true);
    }
    QMessageBox box(icon, caption, text, buttons, owner ? owner : &window_);
    box.setTextFormat(Qt::PlainText);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (guard) {
        ModalGuard(false);
    }
    return answer;
}

void TestWindowHost::ModalGuard(bool on) {
    if (on) {
        ++guardDepth_;
    } else if (guardDepth_ > 0) {
        --guardDepth_;
    }
}

}  // namespace morvik::test
