#pragma once
// The end of the run asked for from outside (an end signal). A session that runs is stopped the
// way its キャンセル or 中止 stops it, so that the terminal is left as the session's rules say (a
// firmware image on its way is sent to its end first); message boxes are closed with their
// cancel answer and the core asks nothing new; once no session window is left, quit() ends the
// run. With nothing running that is at once. Settings windows are not asked about unsaved edits:
// nobody may be there to answer.

#include <QObject>
#include <QTimer>
#include <functional>

namespace morvik {

class CQtReporter;

class CEndOfRun : public QObject {
    Q_OBJECT

  public:
    // quit: ends the run (QCoreApplication::exit in the program); called once.
    CEndOfRun(CQtReporter& reporter, std::function<void()> quit);

    // Starts the end; a second request while it runs changes nothing.
    void Begin();

    static constexpr int kStepMs = 50;

  private:
    void Step();

    CQtReporter& reporter_;
    std::function<void()> quit_;
    QTimer timer_;
    bool begun_ = false;
};

}  // namespace morvik
