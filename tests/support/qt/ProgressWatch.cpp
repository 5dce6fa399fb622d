#include "support/qt/ProgressWatch.h"

#include <QProgressBar>
#include <QTimer>
#include <algorithm>

namespace morvik::test {

ProgressShown RunProgressDialog(QDialog& dialog, const std::function<bool()>& uploading) {
    ProgressShown shown;
    QTimer watch;
    int last = -1;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* bar = dialog.findChild<QProgressBar*>()) {
            shown.highest = std::max(shown.highest, bar->value());
            shown.maximum = bar->maximum();
            if (uploading && uploading() && last >= 0 && bar->value() != last) {
                ++shown.movesDuringUpload;
            }
            last = bar->value();
        }
        if (!dialog.windowTitle().isEmpty()) {
            shown.title = dialog.windowTitle();
        }
    });
    watch.start(10);
    shown.result = dialog.exec();
    return shown;
}

}  // namespace morvik::test
