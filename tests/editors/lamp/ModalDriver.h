#pragma once
// Acts on a modal dialog of type D once it is shown: the action runs inside the dialog's own
// event loop, found by polling the active modal widget (a dialog run with exec() cannot be
// reached otherwise).

#include <QApplication>
#include <QTimer>
#include <functional>

namespace morvik::test {

template <typename D>
class ModalDriver {
  public:
    explicit ModalDriver(std::function<void(D&)> action) : action_(std::move(action)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
                timer_.stop();
                ran_ = true;
                action_(*dialog);
            }
        });
        timer_.start();
    }
    bool Ran() const { return ran_; }

  private:
    std::function<void(D&)> action_;
    QTimer timer_;
    bool ran_ = false;
};

}  // namespace morvik::test
