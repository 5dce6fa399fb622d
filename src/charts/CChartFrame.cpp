#include "charts/CChartFrame.h"

#include <QPainter>
#include <QToolButton>

#include "app/QtText.h"
#include "res/DetectionLogViewIds.h"

namespace morvik {
namespace {

constexpr int kMargin = 6;

}  // namespace

CChartFrame::CChartFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    save_ = new QToolButton(this);
    save_->setText(Tr(res::ids::kDlogViewSaveImage));
    save_->setAutoRaise(true);
    save_->setFocusPolicy(Qt::TabFocus);
    connect(save_, &QToolButton::clicked, this, &CChartFrame::SaveRequested);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CChartFrame::TitleHeight() const {
    QFont bold = font();
    bold.setBold(true);
    return std::max(QFontMetrics(bold).height(), save_->sizeHint().height()) + kMargin;
}

void CChartFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize button = save_->sizeHint();
    save_->setGeometry(width() - button.width() - kMargin / 2, kMargin / 2, button.width(),
                       button.height());
}

void CChartFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintAll(painter);
}

QImage CChartFrame::Image() const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    PaintAll(painter);
    painter.end();
    return image;
}

void CChartFrame::PaintAll(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font());
    painter.setPen(QColor(0xC8, 0xC8, 0xC8));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    const int titleHeight = TitleHeight();
    painter.drawText(QRect(kMargin * 2, kMargin / 2, width() - 4 * kMargin, titleHeight - kMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.setFont(font());
    const QRect body(kMargin * 2, titleHeight + kMargin / 2, width() - 4 * kMargin,
                     height() - titleHeight - kMargin * 2);
    if (body.width() > 0 && body.height() > 0) {
        PaintBody(painter, body);
    }
}

void CChartFrame::PaintEmpty(QPainter& painter, const QRect& area, const QString& text) {
    painter.setPen(Qt::darkGray);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

}  // namespace morvik
