#include "editors/SlimFileChooser.h"

#include <QFileDialog>

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

SlimFileChooserFunction& Chooser() {
    static SlimFileChooserFunction chooser;
    return chooser;
}

}  // namespace

void SetSlimFileChooser(SlimFileChooserFunction chooser) {
    Chooser() = std::move(chooser);
}

QString ChooseSlimFile(QWidget* parent, SlimFileDialog dialog) {
    if (Chooser()) {
        return Chooser()(parent, dialog);
    }
    if (dialog == SlimFileDialog::SaveSettings) {
        const QString filter = QtFileFilter(res::ids::kSettingsFileFilter);
        QString path = QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
        if (!path.isEmpty() && !path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) {
            path += QStringLiteral(".dat");
        }
        return path;
    }
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        QtFileFilter(res::ids::kTorucaFileFilter));
}

}  // namespace morvik
