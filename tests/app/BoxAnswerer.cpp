#include "app/BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

namespace morvik::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Poll);
    timer_.start();
}

void BoxAnswerer::Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible() || box->property("answered").toBool()) {
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
