// Prints what the operator waits for in the desktop tool, offscreen against simulated terminals on
// a 115200 baud line (both directions paced), each the median of several runs:
//   - start to first window: from starting the program to the main window's first paint (the
//     program's own start-up path, in a child process of this one);
//   - Ctrl+O to a detailed window of each edition with a full settings file: the file dialog's
//     opening, and from the file's choice to the window's first paint with the values in it;
//   - the end of a terminal read (the read's last byte on the line) to a usable window: the
//     progress window closed and the detailed window painted with the values, and the
//     completion box shown;
//   - a write from the Mini detailed window: from the click to the completion box, against its
//     floor (bench/SessionFloor.h).
// What the operator does (the file's choice, the chooser's button) is answered at once and not
// counted. ROW lines feed bench/run_all.sh:
//   DESK|what|milliseconds|goal milliseconds|note
//
//   desktop_wait_bench [--runs N]   (QT_QPA_PLATFORM=offscreen and the build's morvik-sim unless
//                                    the environment names others: tests/TestEnvironment.cpp)

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "SessionFloor.h"
#include "app/CMVKAppApp.h"
#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "app/QtTranslations.h"
#include "dialogs/CProgressDlg.h"
#include "editors/CConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniDetailFrameDlg.h"
#include "editors/minisx/MiniSxWindowDriver.h"
#include "files/MiniFamilySettingsFile.h"
#include "files/SlimSettingsFile.h"
#include "model/Cp932.h"
#include "model/SlimSettings.h"
#include "support/SimProcess.h"
#include "support/qt/BoxAnswerer.h"
#include "support/qt/MiniWindowDriver.h"

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// ---- Start to first window -------------------------------------------------------------------

// CLOCK_MONOTONIC in nanoseconds: the same clock in the parent and the child.
long long MonotonicNs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

// The child: the program's start-up (main.cpp) up to the main window's first paint, whose moment
// it prints before it ends.
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<CMVKAppDlg*>(watched) != nullptr) {
            std::printf("%lld\n", MonotonicNs());
            std::fflush(stdout);
            ::_exit(0);
        }
        return false;
    }
};

int FirstWindowChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("morvik-tool"));
    InstallQtJapanese(app);
    FirstPaint watch;
    app.installEventFilter(&watch);
    return CMVKAppApp().Run(CMVKAppDlg::StartOptions());
}

// Milliseconds from fork to the child's first paint; -1 when it never painted.
double FirstWindowOnce(const char* self, const std::string& config) {
    int out[2];
    if (::pipe(out) != 0) {
        return -1;
    }
    const long long start = MonotonicNs();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::setenv("MORVIK_CONFIG_DIR", config.c_str(), 1);
        ::execl(self, self, "--first-window", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') {
        line += c;
    }
    ::close(out[0]);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    return line.empty() ? -1 : static_cast<double>(std::stoll(line) - start) / 1e6;
}

// ---- The windows' moments --------------------------------------------------------------------

// Watches the application's windows: answers the file dialog at once with the file given, and
// notes when the dialog showed, when the file was chosen, when a progress window closed, when the
// settings window first painted after it, and when a message box showed.
class Watch : public QObject {
  public:
    void Reset(QString file = {}) {
        file_ = std::move(file);
        dialogShown = chosen = progressHidden = usable = boxShown = std::nullopt;
        editor = nullptr;
        boxText.clear();
    }

    std::optional<Clock::time_point> dialogShown, chosen, progressHidden, usable, boxShown;
    QWidget* editor = nullptr;
    std::string boxText;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) {
            return false;
        }
        const auto now = Clock::now();
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && !file_.isEmpty()) {
                dialogShown = now;
                QTimer::singleShot(0, dialog, [this, dialog] {
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file_);
                    chosen = Clock::now();
                    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
                });
            } else if (qobject_cast<CMiniDetailFrameDlg*>(widget) != nullptr ||
                       qobject_cast<CConfigDlg*>(widget) != nullptr) {
                editor = widget;
            } else if (auto* box = qobject_cast<QMessageBox*>(widget); box && !boxShown) {
                boxShown = now;
                boxText = box->text().toStdString();
            }
        } else if (event->type() == QEvent::Hide && qobject_cast<CProgressDlg*>(widget)) {
            progressHidden = now;
        } else if (event->type() == QEvent::Paint && editor != nullptr && progressHidden &&
                   !usable && widget->window() == editor) {
            usable = now;
        }
        return false;
    }

  private:
    QString file_;
};

// Runs the event loop until done() or the time is up.
bool WaitFor(const std::function<bool()>& done, milliseconds limit = milliseconds(30000)) {
    const auto end = Clock::now() + limit;
    while (!done() && Clock::now() < end) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// Every protocol trace entry of a terminal, with the moment it was made.
class TimedTrace {
  public:
    explicit TimedTrace(CTerminal& terminal) {
        terminal.Trace().SetSink([this](const std::string& entry) {
            std::lock_guard<std::mutex> lock(mutex_);
            entries_.push_back({Clock::now(), entry});
        });
    }
    // The moment of the last bytes sent or received before then (the end of a read); the tool's
    // notes (the port's closing) do not count.
    std::optional<Clock::time_point> LastBefore(Clock::time_point then) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::optional<Clock::time_point> last;
        for (const auto& [at, entry] : entries_) {
            const std::size_t ms = entry.find(" ms ");
            const bool bytes = ms != std::string::npos && ms + 4 < entry.size() &&
                               (entry[ms + 4] == '<' || entry[ms + 4] == '>');
            if (at <= then && bytes) {
                last = at;
            }
        }
        return last;
    }
    // The entries from then on, accounted as a session opened by the caller.
    bench::Account FloorFrom(Clock::time_point then) {
        bench::TraceFloor floor(true, false);
        const CProtocolTrace::Sink sink = floor.Sink();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (const auto& [at, entry] : entries_) {
                if (at >= then) {
                    sink(entry);
                }
            }
        }
        floor.Account();
        bench::Account all = floor.Opening();
        all += floor.Session();
        return all;
    }

  private:
    std::mutex mutex_;
    std::vector<std::pair<Clock::time_point, std::string>> entries_;
};

// ---- Full settings of each edition -----------------------------------------------------------

SlimEditorState FullSlim() {
    SlimEditorState state;
    state.function = SlimFunction::BrowserMailer;
    state.browser = BrowserRecord{"http://www.example.jp/touch/index.html?shop=0001&", "Welcome"};
    state.browserQuery = true;
    state.mailer = MailerRecord{"info@example.jp", "cc@example.jp", "subject", "body text", "m"};
    return state;
}

std::vector<std::string> SlimSeedArgs(const SlimEditorState& state) {
    const SlimSettings s = BuildSlimSettings(state);
    std::vector<std::string> args;
    for (const auto& [key, value] :
         std::vector<std::pair<std::string, std::string>>{{"func", s.func},
                                                          {"psh1", s.psh1},
                                                          {"psh2", s.psh2},
                                                          {"que", s.que},
                                                          {"disp", s.disp}}) {
        args.push_back("--param");
        args.push_back(key + "=" + Cp932ToUtf8(value));
    }
    return args;
}

struct Edition {
    const char* name;  // as morvik-sim takes it
    const char* shown;
    std::vector<std::string> seed;
    std::function<bool(const std::string& path)> saveFile;
};

std::vector<Edition> Editions() {
    const MiniSettings mini = test::EveryRecordKind();
    const MiniSxSettings minisx = test::EveryMiniSxPage();
    const SlimEditorState slim = FullSlim();
    return {
        {"mini", "Mini", test::SeedArgs(mini),
         [mini](const std::string& path) {
             std::string message;
             return SaveMiniSettingsFile(path, mini, message);
         }},
        {"minisx", "MiniSx", test::MiniSxSeedArgs(minisx),
         [minisx](const std::string& path) {
             std::string message;
             return SaveMiniSxSettingsFile(path, minisx, message);
         }},
        {"slim", "Slim", SlimSeedArgs(slim),
         [slim](const std::string& path) { return SaveSlimSettingsFile(path, slim); }},
    };
}

void Desk(const std::string& what, double ms, double goal, const std::string& note) {
    std::printf("DESK|%s|%.0f|%s|%s\n", what.c_str(), ms,
                goal > 0 ? std::to_string(static_cast<int>(goal)).c_str() : "-", note.c_str());
    std::fflush(stdout);
}

// Closes every settings window the main window opened.
void CloseSettingsWindows(Watch& watch) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CMiniDetailFrameDlg*>(widget) || qobject_cast<CConfigDlg*>(widget)) {
            widget->close();
            widget->deleteLater();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    watch.Reset();
}

// Ctrl+O with the edition's full file: the dialog's opening and the window after the choice.
void OpenFile(const Edition& e, const std::string& folder, Watch& watch, int runs) {
    const std::string path = folder + "/full-" + e.name + ".dat";
    if (!e.saveFile(path)) {
        std::printf("%s file could not be written\n", e.shown);
        return;
    }
    std::vector<double> dialog, window;
    for (int i = 0; i < runs; ++i) {
        test::BoxAnswerer boxes;
        CMVKAppDlg main;
        main.show();
        WaitFor([] { return false; }, milliseconds(200));
        watch.Reset(QString::fromStdString(path));
        const auto start = Clock::now();
        main.Action(cmd::kOpenSettingsFile)->trigger();
        if (!WaitFor([&] { return watch.usable.has_value(); }) || !watch.dialogShown ||
            !watch.chosen) {
            std::printf("Ctrl+O %s: no window\n", e.shown);
            return;
        }
        dialog.push_back(Ms(*watch.dialogShown - start));
        window.push_back(Ms(*watch.usable - *watch.chosen));
        CloseSettingsWindows(watch);
    }
    Desk(std::string("Ctrl+O ") + e.shown + ": the file dialog opens", Median(dialog), 0, "");
    Desk(std::string("Ctrl+O ") + e.shown + ": file chosen to window usable", Median(window), 200,
         "full settings file");
}

// 機器設定の変更 against a terminal holding full settings: from the read's last byte to the
// window painted with the values, and to the completion box. For the Mini, then a write of what
// the window shows against its floor.
void ReadAndWrite(const Edition& e, Watch& watch, int runs) {
    std::vector<double> window, box, write, floor;
    for (int i = 0; i < runs; ++i) {
        test::TempDir config;
        ::setenv("MORVIK_CONFIG_DIR", config.path().c_str(), 1);
        std::vector<std::string> args = e.seed;
        args.insert(args.end(), {"--baud", "115200"});
        test::SimProcess sim(test::SimOptionsFor(e.name, args));
        test::BoxAnswerer boxes;
        CMVKAppDlg::StartOptions options;
        options.devicePath = sim.DevicePath();
        CMVKAppDlg main(options);
        main.Terminal().SetFirstCommunication(false);
        main.show();
        TimedTrace trace(main.Terminal());
        watch.Reset();
        if (std::string(e.name) == "slim") {
            main.Action(cmd::kChangeSettings)->trigger();
        } else {
            test::ChooseDetailed(main);
        }
        if (!WaitFor([&] { return watch.usable && watch.boxShown; }) ||
            !trace.LastBefore(*watch.progressHidden)) {
            std::printf("read %s: no window\n", e.shown);
            return;
        }
        const Clock::time_point end = *trace.LastBefore(*watch.progressHidden);
        window.push_back(Ms(*watch.usable - end));
        box.push_back(Ms(*watch.boxShown - end));

        if (auto* detailed = qobject_cast<CMiniCustomDlg*>(watch.editor)) {
            // The terminal restarts after the read before it takes the write.
            WaitFor([] { return false; }, milliseconds(500));
            detailed->SetCloseAfterWrite(false);
            watch.Reset();
            const auto start = Clock::now();
            detailed->WriteButton()->click();
            if (!WaitFor([&] { return watch.boxShown.has_value(); })) {
                std::printf("write %s: no completion\n", e.shown);
                return;
            }
            write.push_back(Ms(*watch.boxShown - start));
            floor.push_back(trace.FloorFrom(start).Floor() * 1000);
        }
        CloseSettingsWindows(watch);
    }
    Desk(std::string("read ") + e.shown + ": last byte to window usable", Median(window), 200,
         "includes the progress window's 100 ms poll");
    Desk(std::string("read ") + e.shown + ": last byte to completion box", Median(box), 0, "");
    if (!write.empty()) {
        std::printf("DESK|write %s from the window: click to completion box|%.0f|%.0f|floor\n",
                    e.shown, Median(write), Median(floor));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--first-window") == 0) {
        return FirstWindowChild(argc, argv);
    }
    int runs = 3;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::max(1, std::atoi(argv[2]));
    }
    test::TempDir folder;

    std::vector<double> first;
    for (int i = 0; i < runs; ++i) {
        test::TempDir config;
        first.push_back(FirstWindowOnce("/proc/self/exe", config.path()));
    }
    Desk("start to first window", Median(first), 500, "offscreen; the program's start-up path");

    QApplication app(argc, argv);
    InstallQtJapanese(app);
    ::setenv("MORVIK_CONFIG_DIR", folder.path().c_str(), 1);
    Watch watch;
    app.installEventFilter(&watch);
    for (const Edition& e : Editions()) {
        OpenFile(e, folder.path(), watch, runs);
    }
    for (const Edition& e : Editions()) {
        ReadAndWrite(e, watch, runs);
    }
    return 0;
}
