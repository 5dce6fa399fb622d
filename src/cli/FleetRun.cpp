#include "cli/FleetRun.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "cli/CliCapture.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "model/Utf8Path.h"
#include "protocol/Identification.h"
#include "protocol/ProtocolTexts.h"
#include "res/StringIds.h"

namespace morvik::cli {

// What one terminal's command prints. The reporter hands messages over from a session's own
// thread while the command's thread shows progress, hence the lock.
class FleetRunner::Capture : public CliCapture {
  public:
    Capture(FleetRunner& runner, size_t index) : runner_(runner), index_(index) {}

    void Message(const std::string& utf8) override {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            messages_.push_back(utf8);
        }
        runner_.Event(index_, utf8);
    }
    void Notice(const std::string& utf8) override { runner_.Event(index_, utf8); }
    void Output(const std::string& utf8) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        output_.push_back(utf8);
    }
    void Progress(const std::string& label, std::int64_t position, std::int64_t maximum) override {
        const int percent =
            maximum <= 0
                ? 0
                : static_cast<int>(std::clamp<std::int64_t>(position, 0, maximum) * 100 / maximum);
        bool newStep = false;
        runner_.Update(index_, [&](FleetRow& row) {
            newStep = row.step != label;
            row.step = label;
            row.percent = percent;
        });
        if (newStep) {
            runner_.Event(index_, label);
        }
    }

    std::vector<std::string> Messages() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return messages_;
    }
    std::vector<std::string> OutputLines() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return output_;
    }

  private:
    FleetRunner& runner_;
    size_t index_;
    mutable std::mutex mutex_;
    std::vector<std::string> messages_;
    std::vector<std::string> output_;
};

namespace {

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16] = {};
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

std::string EditionName(EditionCode code, const std::string& product) {
    switch (code) {
        case kEditionSlim:
            return "Slim";
        case kEditionMiniSx:
            return "MiniSx";
        case kEditionMini:
            // One settings family; the product name tells the MiniS (ZRT450S) from the Mini.
            return !product.empty() && product.back() == 'S' ? "MiniS" : "Mini";
        default:
            return {};
    }
}

// Several messages on one line of a table or a report.
std::string OneLine(const std::vector<std::string>& texts) {
    std::string line;
    for (const std::string& text : texts) {
        if (!line.empty()) {
            line += " / ";
        }
        for (char c : text) {
            line += c == '\n' ? ' ' : c;
        }
    }
    return line;
}

bool Mentions(const std::vector<std::string>& texts, int id) {
    const std::string wanted = Text(id);
    for (const std::string& text : texts) {
        if (text.find(wanted) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// 起動カウンタ, 累積タッチカウンタ and 時刻 of info's results, as the clipboard form labels them.
std::string InfoRest(const Json& terminal) {
    std::string text;
    for (const auto& [labelId, key] : {std::pair{res::ids::kBootCounter, "bootCounter"},
                                       std::pair{res::ids::kCumulativeTouchCounter, "touchCounter"},
                                       std::pair{res::ids::kClock, "clock"}}) {
        const auto found = terminal.find(key);
        if (found != terminal.end() && found->is_string()) {
            text += (text.empty() ? "" : " ") + Text(labelId) + ":" + found->get<std::string>();
        }
    }
    return text;
}

}  // namespace

FleetAction FleetActionFor(std::string_view name) {
    FleetAction action;
    action.command = FindCliCommand(name);
    action.perTerminalExtension = name == "dlog get" ? ".csv" : name == "maint" ? ".mnt" : "";
    // The settings writes open their session with an identification of their own, and info is
    // one: their JSON names the terminal, so no look of the runner's own goes before them.
    action.identifiesItself =
        name == "info" || name == "write" || name == "easy" || name == "service";
    return action;
}

FleetRunner::FleetRunner(FleetAction action, GlobalOptions options, std::vector<FleetRow> rows)
    : action_(std::move(action)),
      options_(std::move(options)),
      date_(Today()),
      rows_(std::move(rows)) {
    for (FleetRow& row : rows_) {
        row.action = std::string(action_.command->name);
    }
}

FleetRunner::~FleetRunner() {
    Join();
}

void FleetRunner::Start() {
    running_.store(static_cast<int>(rows_.size()));
    for (size_t index = 0; index < rows_.size(); ++index) {
        threads_.emplace_back([this, index] { Work(index); });
    }
}

void FleetRunner::Join() {
    for (std::thread& thread : threads_) {
        if (thread.joinable()) {
            thread.join();
        }
    }
}

std::vector<FleetRow> FleetRunner::Snapshot() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return rows_;
}

std::vector<FleetEvent> FleetRunner::TakeEvents() {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<FleetEvent> taken;
    taken.swap(events_);
    return taken;
}

void FleetRunner::Update(size_t index, const std::function<void(FleetRow&)>& change) {
    const std::lock_guard<std::mutex> lock(mutex_);
    change(rows_[index]);
}

void FleetRunner::Event(size_t index, const std::string& text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back({rows_[index].port, text});
}

std::string FleetRunner::FileNameFor(const std::string& terminalId, int port,
                                     const std::string& date, const std::string& extension) {
    std::string name;
    for (char c : terminalId) {
        const bool unfit = static_cast<unsigned char>(c) < 0x20 ||
                           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        name += unfit ? '_' : c;
    }
    if (name.empty() || name == "." || name == "..") {
        name = FormatText(res::ids::kComPortFormat, port);
    }
    return name + "_" + date + extension;
}

bool FleetRunner::Identify(size_t index, CliContext& context) {
    CTerminal& terminal = context.Terminal();
    if (!terminal.Connect(false)) {
        return false;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return false;
    }
    // One "ver" tells the edition, the product, the version and the terminal ID; the panel's
    // clock and counters are left to `fleet info`, so that the look costs little before a write.
    const std::string reply = terminal.Exchange(Texts::VersionCommand(), false);
    const EditionCode code = EditionFromReply(reply);
    // Left as a look of the main window leaves it; an unknown reply is restarted like the Mini.
    terminal.LeaveAfterLooking(code == kEditionNone ? kEditionMini : code);
    terminal.Disconnect();
    const bool slim = code == kEditionSlim;
    const std::string product =
        ItemValue(reply, slim ? Texts::SlimProductKey() : Texts::MiniProductKey());
    Update(index, [&](FleetRow& row) {
        row.product = ForScreen(product);
        row.version =
            ForScreen(ItemValue(reply, slim ? Texts::SlimVersionKey() : Texts::MiniVersionKey()));
        row.terminalId = ForScreen(ItemValue(reply, Texts::TerminalIdKey()));
        row.edition = EditionName(code, product);
    });
    return code != kEditionNone;
}

void FleetRunner::TakeIdentification(size_t index, const Json& terminal) {
    auto text = [&terminal](const char* key) {
        const auto found = terminal.find(key);
        return found != terminal.end() && found->is_string() ? found->get<std::string>()
                                                             : std::string();
    };
    const std::string edition = text("edition");
    const EditionCode code = edition == "slim"     ? kEditionSlim
                             : edition == "mini"   ? kEditionMini
                             : edition == "minisx" ? kEditionMiniSx
                                                   : kEditionNone;
    Update(index, [&](FleetRow& row) {
        row.product = text("productName");
        row.version = text("firmwareVersion");
        row.terminalId = text("terminalId");
        row.edition = EditionName(code, row.product);
    });
}

CliArguments FleetRunner::ArgumentsFor(size_t index) {
    CliArguments args;
    for (const auto& [name, value] : action_.options) {
        if (value.empty()) {
            args.AddFlag(name);
        } else {
            args.AddValue(name, value);
        }
    }
    std::vector<std::string> operands = action_.operands;
    if (!action_.perTerminalExtension.empty() && !operands.empty()) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const FleetRow& row = rows_[index];
        std::string name =
            FileNameFor(row.terminalId, row.port, date_, action_.perTerminalExtension);
        // Two terminals that carry the same ID do not share a file.
        if (!fileNames_.insert(name).second) {
            name =
                FileNameFor(row.terminalId + "_" + FormatText(res::ids::kComPortFormat, row.port),
                            row.port, date_, action_.perTerminalExtension);
            fileNames_.insert(name);
        }
        operands.front() = Utf8FromPath(PathFromUtf8(operands.front()) / PathFromUtf8(name));
    }
    for (std::string& operand : operands) {
        args.AddOperand(std::move(operand));
    }
    return args;
}

void FleetRunner::Work(size_t index) {
    const auto start = std::chrono::steady_clock::now();
    Capture capture(*this, index);
    int exitCode = kExitFailure;
    {
        const ScopedCapture scoped(capture);
        GlobalOptions options = options_;
        options.device.clear();
        options.port = rows_[index].port;  // written before the threads started
        options.tracePrefix = FormatText(res::ids::kComPortFormat, options.port.value()) + " ";
        // The context leaves its terminal when it ends, still inside the capture.
        CliContext context(options);
        context.Reporter().SetCapture(&capture);
        const std::string identifying = Text(ids::kFleetIdentifying);
        Update(index, [&](FleetRow& row) {
            row.outcome = FleetOutcome::kRunning;
            row.step = identifying;
        });
        Event(index, identifying);
        if (action_.identifiesItself) {
            exitCode = action_.command->run(context, ArgumentsFor(index));
            TakeIdentification(index, capture.Result().value("terminal", Json::object()));
        } else if (Identify(index, context)) {
            if (!Interrupted()) {
                exitCode = action_.command->run(context, ArgumentsFor(index));
            }
        } else if (capture.Messages().empty()) {
            PrintError(Text(ids::kInfoFailed));
        }
    }
    const std::vector<std::string> messages = capture.Messages();
    FleetOutcome outcome = FleetOutcome::kFailed;
    if (exitCode == kExitOk) {
        outcome = FleetOutcome::kSucceeded;
    } else if (exitCode == kExitInterrupted || Interrupted()) {
        outcome = FleetOutcome::kInterrupted;
    } else if (Mentions(messages, res::ids::kNotThisEditionsTerminal) ||
               Mentions(messages, res::ids::kMiniNotFound)) {
        // The edition check refused the terminal before anything was changed on it.
        outcome = FleetOutcome::kSkipped;
    }
    const std::vector<std::string> output = capture.OutputLines();
    std::string message = OneLine(messages);
    if (outcome == FleetOutcome::kSucceeded) {
        // The result line ("書き込みが完了し、再起動しました。"); for info the panel's fields
        // that the report has no column of.
        message = output.empty() ? "" : output.back();
        if (action_.command->name == "info") {
            message = InfoRest(capture.Result().value("terminal", Json::object()));
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Update(index, [&](FleetRow& row) {
        row.outcome = outcome;
        row.message = message;
        row.seconds = seconds;
        row.step.clear();
        row.percent = -1;
    });
    Event(index, FleetOutcomeText(outcome) + (message.empty() ? "" : ": " + message));
    running_.fetch_sub(1);
}

std::string FleetOutcomeText(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::kWaiting:
            return Text(ids::kFleetWaiting);
        case FleetOutcome::kRunning:
            return Text(ids::kFleetRunning);
        case FleetOutcome::kSucceeded:
            return Text(ids::kFleetSucceeded);
        case FleetOutcome::kSkipped:
            return Text(ids::kFleetSkipped);
        case FleetOutcome::kInterrupted:
            return Text(ids::kFleetInterrupted);
        default:
            return Text(ids::kFleetFailed);
    }
}

const char* FleetOutcomeKey(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::kWaiting:
            return "waiting";
        case FleetOutcome::kRunning:
            return "running";
        case FleetOutcome::kSucceeded:
            return "succeeded";
        case FleetOutcome::kSkipped:
            return "skipped";
        case FleetOutcome::kInterrupted:
            return "interrupted";
        default:
            return "failed";
    }
}

}  // namespace morvik::cli
