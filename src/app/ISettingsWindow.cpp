#include "app/ISettingsWindow.h"

#include <QMessageBox>
#include <QStringList>
#include <QWidget>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

bool ISettingsWindow::MayDiscardChanges(QWidget* parent, const QList<QWidget*>& windows,
                                        bool programEnds) {
    QStringList names;
    for (QWidget* window : windows) {
        const auto* settings = dynamic_cast<const ISettingsWindow*>(window);
        if (settings != nullptr && settings->HasUnsavedChanges()) {
            names.append(QStringLiteral("「%1」").arg(window->windowTitle()));
        }
    }
    if (names.isEmpty()) {
        return true;
    }
    const int id = programEnds ? res::ids::kAppDiscardAndExit : res::ids::kAppDiscardAndClose;
    const QString text = QString::fromStdString(
        res::Format(res::Text(id), names.join(QLatin1Char('\n')).toUtf8().constData()));
    QMessageBox box(QMessageBox::Question, Tr(res::ids::kNoticeCaption), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace morvik
