#include "support/qt/BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace morvik::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Poll);
    timer_.start();
}

void BoxAnswerer::Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget->property("answered").toBool()) {
            continue;
        }
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (closeDialogs_ && dialog != nullptr && dialog->isModal()) {
                dialog->setProperty("answered", true);
                boxes_.push_back("dialog|" + dialog->windowTitle().toStdString());
                dialog->reject();
            }
            continue;
        }
        box->setProperty("answered", true);
        boxes_.push_back(box->windowTitle().toStdString() + "|" + box->text().toStdString());
        QAbstractButton* button = box->button(answer_);
        if (button == nullptr && !box->buttons().isEmpty()) {
            button = box->buttons().first();
        }
        if (button != nullptr) {
            button->click();
        } else {
            box->done(QMessageBox::Cancel);
        }
    }
}

}  // namespace morvik::test
