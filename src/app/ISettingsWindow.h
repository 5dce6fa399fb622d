#pragma once
// What the main window needs of a settings window (the editors of the three edition families):
// the close-after-write flag follows the options dialog, and edits that were neither written nor
// saved are not thrown away without a question. A settings window derives from its Qt window
// class and from this.

#include <QList>

class QWidget;

namespace morvik {

class ISettingsWindow {
  public:
    virtual ~ISettingsWindow() = default;
    virtual void SetCloseAfterWrite(bool on) = 0;
    // True while the window holds changes that were neither written to a terminal nor saved to
    // a file since it was read, opened or last written or saved.
    virtual bool HasUnsavedChanges() const = 0;

    // Asks once whether the unsaved changes of the windows (settings windows among them; the
    // others are passed over) may be thrown away, naming each window by its caption: "閉じますか"
    // for one window closing, "終了しますか" when the program ends (programEnds). True when
    // none holds changes or the operator agreed.
    static bool MayDiscardChanges(QWidget* parent, const QList<QWidget*>& windows,
                                  bool programEnds);
};

}  // namespace morvik
