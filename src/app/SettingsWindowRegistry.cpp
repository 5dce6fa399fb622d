#include "app/SettingsWindowRegistry.h"

#include "app/ISettingsWindow.h"

namespace morvik {

void CSettingsWindowRegistry::DeleteAll() {
    delete miniSlot_.data();
    delete miniSxSlot_.data();
    for (Family family : {Family::Mini, Family::MiniSx}) {
        // A window leaves the list as it is deleted: walk a copy.
        const QList<QPointer<QWidget>> windows = List(family);
        for (const QPointer<QWidget>& window : windows) {
            delete window.data();
        }
        List(family).clear();
    }
    delete slimSlot_.data();
    for (QPointer<QWidget>& window : List(Family::Slim)) {
        if (window && window->isVisible()) {
            delete window.data();
        }
    }
    List(Family::Slim).clear();
}

bool CSettingsWindowRegistry::LimitReached() const {
    for (Family family : {Family::Slim, Family::Mini, Family::MiniSx}) {
        if (Count(family) >= kMaxSettingsWindows) {
            return true;
        }
    }
    return false;
}

int CSettingsWindowRegistry::Count(Family family) const {
    int count = 0;
    for (const QPointer<QWidget>& window : List(family)) {
        count += window ? 1 : 0;
    }
    return count;
}

bool CSettingsWindowRegistry::Register(Family family, QWidget* window) {
    auto& list = List(family);
    list.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    if (window == nullptr || list.size() >= kMaxSettingsWindows) {
        return false;
    }
    list.append(window);
    return true;
}

void CSettingsWindowRegistry::Unregister(QWidget* window) {
    for (auto& list : lists_) {
        list.removeIf([window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
    }
    if (window != nullptr && slimSlot_ == window) {
        SetSlimSlot(nullptr);
    }
}

void CSettingsWindowRegistry::WatchSlot(QPointer<QWidget>& slot, QWidget* window) {
    slot = window;
    if (window != nullptr) {
        connect(window, &QObject::destroyed, this, [this, &slot, window] {
            if (slot == window) {
                slot.clear();
            }
            slotsChanged_();
        });
    }
    slotsChanged_();
}

void CSettingsWindowRegistry::SetSlimSlot(QWidget* window) {
    WatchSlot(slimSlot_, window);
}

void CSettingsWindowRegistry::SetMiniSlot(QWidget* window) {
    WatchSlot(miniSlot_, window);
}

QList<QWidget*> CSettingsWindowRegistry::GuardedWindows() const {
    QList<QWidget*> windows;
    if (slimSlot_) {
        windows.append(slimSlot_);
    }
    for (const QPointer<QWidget>& window : List(Family::Slim)) {
        if (window && window->isVisible()) {
            windows.append(window);
        }
    }
    for (const QPointer<QWidget>& slot : {miniSlot_, miniSxSlot_}) {
        if (slot) {
            windows.append(slot);
        }
    }
    for (Family family : {Family::Mini, Family::MiniSx}) {
        for (const QPointer<QWidget>& window : List(family)) {
            if (window) {
                windows.append(window);
            }
        }
    }
    return windows;
}

void CSettingsWindowRegistry::PropagateCloseAfterWrite(bool on) {
    QList<QWidget*> windows;
    for (Family family : {Family::Slim, Family::Mini}) {
        for (const QPointer<QWidget>& window : List(family)) {
            if (window && window->isVisible()) {
                windows.append(window);
            }
        }
    }
    // The MiniSx list keeps the flag its windows were opened with.
    for (const QPointer<QWidget>& slot : {slimSlot_, miniSlot_, miniSxSlot_}) {
        if (slot) {
            windows.append(slot);
        }
    }
    for (QWidget* window : windows) {
        if (auto* settings = dynamic_cast<ISettingsWindow*>(window)) {
            settings->SetCloseAfterWrite(on);
        }
    }
}

}  // namespace morvik
