#include "editors/CLampPreview.h"

#include <QPainter>

#include "app/AppStringIds.h"
#include "app/QtText.h"

namespace morvik {
namespace {

constexpr int kLampDiameter = 12;
constexpr int kLampGap = 3;
constexpr int kMargin = 2;

}  // namespace

CLampPreview::CLampPreview(QWidget* parent) : QWidget(parent) {
    setToolTip(Tr(res::ids::kAppLampPreviewTip));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&timer_, &QTimer::timeout, this, &CLampPreview::Advance);
}

void CLampPreview::SetPattern(const std::string& userPattern, bool idle) {
    timeline_ = MakeLampTimeline(userPattern, idle);
    step_ = 0;
    UpdateTimer();
    update();
}

void CLampPreview::SetStep(int step) {
    step_ = timeline_.Length() > 0 && step >= 0 ? step % timeline_.Length() : 0;
    update();
}

void CLampPreview::SetRunning(bool running) {
    running_ = running;
    UpdateTimer();
}

QSize CLampPreview::sizeHint() const {
    return QSize(kLampCount * kLampDiameter + (kLampCount - 1) * kLampGap + 2 * kMargin,
                 kLampDiameter + 2 * kMargin);
}

void CLampPreview::Advance() {
    SetStep(step_ + 1);
}

void CLampPreview::UpdateTimer() {
    if (running_ && isVisible() && timeline_.Length() > 1) {
        timer_.start(timeline_.stepMs);
    } else {
        timer_.stop();
    }
}

void CLampPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateTimer();
}

void CLampPreview::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    UpdateTimer();
}

void CLampPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    for (int lamp = 0; lamp < kLampCount; ++lamp) {
        const int digit = LampDigitAt(timeline_, lamp, step_);
        // A dark lamp is drawn grey, as an unlit LED looks behind the terminal's cover.
        const QColor colour = digit == 0 ? QColor(0x90, 0x90, 0x90) : QColor(LampDigitRgb(digit));
        painter.setBrush(colour);
        const int x = kMargin + lamp * (kLampDiameter + kLampGap);
        painter.drawEllipse(QRectF(x + 0.5, kMargin + 0.5, kLampDiameter - 1, kLampDiameter - 1));
    }
}

}  // namespace morvik
