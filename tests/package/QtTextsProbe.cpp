// Loaded into a desktop tool with LD_PRELOAD (scripts/package_test.sh): as soon as the program's
// event loop runs, prints the texts of Qt's standard Yes, No and Cancel buttons, one a line, as
// that program shows them, and ends it. They are Japanese only when the program found Qt's own
// Japanese translations.

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

void PrintStandardButtonTexts() {
    QTimer::singleShot(0, [] {
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
        for (auto which : {QDialogButtonBox::Yes, QDialogButtonBox::No, QDialogButtonBox::Cancel}) {
            std::printf("%s\n", box.button(which)->text().toUtf8().constData());
        }
        std::fflush(stdout);
        // The program under test is not asked to close: it may refuse while it holds a port.
        std::_Exit(0);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(PrintStandardButtonTexts)
