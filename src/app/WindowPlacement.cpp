#include "app/WindowPlacement.h"

#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace morvik {
namespace {

// The step between windows opened one after the other: clear of the title bar before it.
constexpr int kStep = 32;

// The window placed last, while it is open.
QPointer<QWidget>& LastPlaced() {
    static QPointer<QWidget> last;
    return last;
}

}  // namespace

void PlaceNewWindow(QWidget& window, const QWidget& main) {
    const QScreen* screen = main.screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = window.size().expandedTo(window.sizeHint()).boundedTo(area.size());
    const QWidget* last = LastPlaced();
    QPoint place = last != nullptr && last->isVisible() ? last->pos() + QPoint(kStep, kStep)
                                                        : main.pos() + QPoint(kStep, kStep);
    // Past the bottom or the right edge the next window starts again at the top left.
    if (place.x() + size.width() > area.right() || place.y() + size.height() > area.bottom()) {
        place = area.topLeft() + QPoint(kStep / 2, kStep / 2);
    }
    place.setX(
        std::clamp(place.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    place.setY(
        std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
    window.move(place);
    LastPlaced() = &window;
}

}  // namespace morvik
