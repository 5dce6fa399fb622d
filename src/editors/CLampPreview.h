#pragma once
// The preview beside a lamp row: eight lamps drawn in a row (the left one is the indicator lamp
// that "1" patterns light) that play the row's pattern step by step, repeating, with the step
// time of the pattern's kind. The same widget serves every lamp row of every window.

#include <QTimer>
#include <QWidget>
#include <string>

#include "model/LampTimeline.h"

namespace morvik {

class CLampPreview : public QWidget {
    Q_OBJECT

  public:
    explicit CLampPreview(QWidget* parent = nullptr);

    // Shows pattern (a user pattern) from its first step.
    void SetPattern(const std::string& userPattern, bool idle);

    const LampTimeline& Timeline() const { return timeline_; }
    int Step() const { return step_; }
    // Jumps to a step (screenshots show a pattern mid-way this way).
    void SetStep(int step);
    // Stops or restarts the stepping; a hidden preview does not step either.
    void SetRunning(bool running);
    bool Running() const { return timer_.isActive(); }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Advance();
    void UpdateTimer();

    LampTimeline timeline_;
    int step_ = 0;
    bool running_ = true;
    QTimer timer_;
};

}  // namespace morvik
