#pragma once
// Driving the Mini/MiniS settings windows as an operator does: the chooser's buttons, the file
// dialogs, the lists and fields; and a simulated Mini seeded with settings.

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "model/MiniSettings.h"

class QComboBox;
class QWidget;

namespace morvik {
class CByteField;
class CMVKAppDlg;
class CMiniCustomDlg;
}  // namespace morvik

namespace morvik::test {

// While it lives, hands every visible top-level window to act until act takes one (returns
// true); from then on it does nothing. Runs inside modal loops too (it polls with a timer).
class WindowActor : public QObject {
  public:
    explicit WindowActor(std::function<bool(QWidget*)> act);
    bool Done() const { return done_; }

  private:
    std::function<bool(QWidget*)> act_;
    QTimer timer_;
    bool done_ = false;
};

// Picks path in the next file dialog that opens.
WindowActor* AnswerFileDialog(QObject* owner, const QString& path);

// The simulator's "--param" arguments that make it hold what a write of settings would leave.
std::vector<std::string> SeedArgs(const MiniSettings& settings);

// Settings with every record kind: set 1 browser and mailer, set 2 Toruca and application,
// lamps, periodic guidance and the terminal settings (authentication code 0123).
MiniSettings EveryRecordKind();

// Selects an entry of a list as a click would (the activated signal included).
void Choose(QComboBox* list, int index);
// Types ASCII text at the end of a field.
void Type(CByteField* field, const std::string& text);

class BoxAnswerer;
// The boxes shown, without the notice of the first session of a run.
std::vector<std::string> Messages(const BoxAnswerer& boxes);

// 機器設定の変更 → 詳細設定 on the main window; the detailed window once its read is over.
CMiniCustomDlg* OpenDetailed(CMVKAppDlg& window);
// 機器設定の変更 and 詳細設定 in the chooser, whatever the edition.
void ChooseDetailed(CMVKAppDlg& window);
// The visible top-level window of type Window, or null.
template <class Window>
Window* VisibleTopLevel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget);
            window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace morvik::test
