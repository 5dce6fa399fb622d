// A terminal's own text with escape sequences in it reaches neither the information panel nor a
// message box as it came: every control character shows as "?".

#include <QAction>
#include <QLineEdit>

#include "app/CQtReporter.h"
#include "app/CommandIds.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

using test::AppFixture;

class ShownTextTest : public AppFixture {};

TEST_F(ShownTextTest, EscapeSequencesOfTheTerminalAreShownAsText) {
    test::SimProcess& sim =
        StartSim("mini", {"--tid", "\x1b]0;owned\x07T1", "--version", "1.0\x1b[2J2"});
    CMVKAppDlg& window = Window(sim.DevicePath());
    window.Action(cmd::kReadDeviceInfo)->trigger();
    const auto field = [&window](int i) {
        return window.findChild<QLineEdit*>(QStringLiteral("infoField%1").arg(i))
            ->text()
            .toStdString();
    };
    EXPECT_EQ(field(1), "?]0;owned?T1");
    EXPECT_EQ(field(2), "1.0?[2J2");

    boxes_.Clear();
    CQtReporter reporter(window);
    reporter.ShowError("\x1b[31mT1\x07 <b>bold</b>\r\nline");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_NE(boxes_.Boxes()[0].find("?[31mT1? <b>bold</b>\r\nline"), std::string::npos)
        << boxes_.Boxes()[0];
}

}  // namespace
}  // namespace morvik
