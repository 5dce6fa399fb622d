#pragma once
// Answers every message box that opens while it lives, so that no test waits on a modal box,
// and keeps "caption|text" of each for the test to look at. Asked to, it also closes every other
// modal dialog that opens (keeping "dialog|caption"), for tests of the frame around a window. Boxes
// are found by polling the top-level widgets, which also runs inside the box's own event loop.

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

namespace morvik::test {

class BoxAnswerer : public QObject {
    Q_OBJECT

  public:
    // answer: the button pressed where the box has it (otherwise its first button).
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    void SetAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    const std::vector<std::string>& Boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }
    void SetCloseDialogs(bool on) { closeDialogs_ = on; }

  private:
    void Poll();

    QMessageBox::StandardButton answer_;
    bool closeDialogs_ = false;
    std::vector<std::string> boxes_;
    QTimer timer_;
};

}  // namespace morvik::test
