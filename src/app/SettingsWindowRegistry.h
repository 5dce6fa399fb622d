#pragma once
// The main window's open settings windows: the windows read from a terminal, one slot each (the
// Slim window, the Mini/MiniS detailed window, the MiniSx detailed window), and the windows
// opened from files or from the mode chooser, in a list per edition family of at most 16. It
// says which windows the modal guard disables, hands the close-after-write option on, grays
// 機器設定の変更 while a window read from a terminal lives (through the callback the main
// window gives) and deletes the windows when the main window goes.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>

namespace morvik {

class CSettingsWindowRegistry : public QObject {
  public:
    enum class Family { Slim, Mini, MiniSx };

    // At most this many settings windows per edition family are open at once.
    static constexpr int kMaxSettingsWindows = 16;

    // slotsChanged: called whenever a slot takes a window or its window goes.
    explicit CSettingsWindowRegistry(std::function<void()> slotsChanged)
        : slotsChanged_(std::move(slotsChanged)) {}

    // Deletes the windows it knows of, the Mini family's first: none may outlive the terminal
    // it uses. A hidden Slim window of the list is left to its own end.
    void DeleteAll();

    bool LimitReached() const;
    // False when the family's list is full. A window is dropped from its list when it is
    // destroyed as well as when it unregisters.
    bool Register(Family family, QWidget* window);
    // Also frees the Slim slot when window holds it.
    void Unregister(QWidget* window);
    int Count(Family family) const;

    QWidget* SlimSlot() const { return slimSlot_; }
    QWidget* MiniSlot() const { return miniSlot_; }
    QWidget* MiniSxSlot() const { return miniSxSlot_; }
    void SetSlimSlot(QWidget* window);
    void SetMiniSlot(QWidget* window);
    void SetMiniSxSlot(QWidget* window) { miniSxSlot_ = window; }
    // 機器設定の変更 is grayed while the Slim or the Mini/MiniS window read from a terminal is
    // open.
    bool TerminalWindowOpen() const { return !slimSlot_.isNull() || !miniSlot_.isNull(); }

    // The windows the modal guard disables (and that the program's end asks about).
    QList<QWidget*> GuardedWindows() const;
    // The close-after-write option into the open settings windows.
    void PropagateCloseAfterWrite(bool on);

  private:
    // Watches window in a slot: when it goes, the slot empties and slotsChanged_ runs.
    void WatchSlot(QPointer<QWidget>& slot, QWidget* window);
    QList<QPointer<QWidget>>& List(Family family) { return lists_[static_cast<int>(family)]; }
    const QList<QPointer<QWidget>>& List(Family family) const {
        return lists_[static_cast<int>(family)];
    }

    std::function<void()> slotsChanged_;
    QPointer<QWidget> slimSlot_;
    QPointer<QWidget> miniSlot_;
    QPointer<QWidget> miniSxSlot_;
    std::array<QList<QPointer<QWidget>>, 3> lists_;
};

}  // namespace morvik
