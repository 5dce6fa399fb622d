// An empty detection log in the desktop tool: the terminal waits for CAN only about 10 s, so CAN
// must have reached it before the 314 box is shown (an operator may read the box for longer);
// "reboot s" follows once the box is closed.

#include <QApplication>
#include <QMessageBox>

#include "dialogs/CGetDlog.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

// Looks at the terminal's log at the moment a message box is shown, before anyone answers it.
class BoxMoment : public QObject {
  public:
    explicit BoxMoment(const test::SimProcess& sim) : sim_(sim) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched) != nullptr &&
            !seen_) {
            seen_ = true;
            // The terminal logs the end of its wait as soon as CAN arrives.
            canBeforeBox_ = sim_.WaitForLogLine("[dlog 0 records]");
            const auto lines = sim_.LogLines();
            const auto request = std::find(lines.begin(), lines.end(), "dlog g");
            restartBeforeBox_ = std::find(request, lines.end(), "reboot s") != lines.end();
        }
        return false;
    }
    bool seen_ = false;
    bool canBeforeBox_ = false;
    bool restartBeforeBox_ = false;

  private:
    const test::SimProcess& sim_;
};

class EmptyLogBoxTest : public test::AppFixture {};

TEST_F(EmptyLogBoxTest, CanBeforeTheBoxRestartAfterIt) {
    test::SimProcess& sim = StartSim("mini");
    CMVKAppDlg& main = Window(sim.DevicePath());
    main.Terminal().SetFirstCommunication(false);
    CGetDlog dialog(main);
    dialog.show();
    BoxMoment moment(sim);
    qApp->installEventFilter(&moment);
    test::TempDir files;
    dialog.SaveTo(QString::fromStdString(files.File("log.csv")));
    qApp->removeEventFilter(&moment);
    ASSERT_TRUE(moment.seen_);
    EXPECT_TRUE(moment.canBeforeBox_);
    EXPECT_FALSE(moment.restartBeforeBox_);
    EXPECT_TRUE(sim.WaitForLogLine("reboot s"));
    EXPECT_FALSE(main.Terminal().IsConnected());
}

}  // namespace
}  // namespace morvik
