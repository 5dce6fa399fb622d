// One cell of the fault matrix: start the terminal with its fault, run the row's session, and
// hold what it left against what the row expects.

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "faults/FaultMatrix.h"
#include "support/Files.h"

namespace morvik::faults {
namespace {

// A line the terminal received belongs to key as the simulator's faults match it: the line is
// the key, starts with it and a space, or has it as its second word.
bool LineOfKey(const std::string& line, const std::string& key) {
    if (line == key || line.starts_with(key + " ")) {
        return true;
    }
    const std::size_t first = line.find(' ');
    if (first == std::string::npos) {
        return false;
    }
    const std::size_t second = line.find(' ', first + 1);
    return line.substr(first + 1,
                       second == std::string::npos ? std::string::npos : second - first - 1) == key;
}

// Lines that change a terminal or end its session.
bool IsWriteOrEnd(const std::string& line) {
    return line.starts_with("pset ") || line.starts_with("pclr ") || line.starts_with("rtc s") ||
           line.starts_with("ndef s") || line == "reboot";
}

bool IsRestart(const std::string& line) {
    return line == "reboot" || line == "reboot s";
}

// Lines that only wake a terminal, open or close a session, or restart it: what the tool sends
// around a session, before the identification and after the end. Every other line (a command, a
// transfer) is the work of a session, and the restart that ends the session must follow the last
// of them: one logged before (by the edition detection, say) says nothing about this session.
bool IsFraming(const std::string& line) {
    return line.empty() || IsRestart(line) || line == "exit" || line == "config mini" ||
           line == "config slim" || line == "pow s 0";
}

bool IsTransfer(const std::string& line) {
    for (const char* prefix : {"[upload ", "[update "}) {
        const std::string p(prefix);
        if (line.starts_with(p) && line.size() > p.size() &&
            std::isdigit(static_cast<unsigned char>(line[p.size()]))) {
            return true;
        }
    }
    return false;
}

std::string Shorten(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text.size() > 400 ? text.substr(0, 400) + "..." : text;
}

// The restart that ends the session: the last one after the session's last command.
std::string EndLineOf(const std::vector<std::string>& lines) {
    const auto lastCommand = std::find_if(lines.rbegin(), lines.rend(),
                                          [](const std::string& line) { return !IsFraming(line); });
    const auto endLine = std::find_if(lines.rbegin(), lastCommand, IsRestart);
    return endLine == lastCommand ? "(none)" : *endLine;
}

// The terminal's log once it has taken in what the session sent. Every command of a session was
// answered (or timed out) before the tool returned, so only the closing lines can still be on
// their way: where the row expects a restart, wait for it (a ceiling that only fails a hung
// run); where it expects none, the log is complete as it stands.
std::vector<std::string> SettledLog(const test::SimProcess& sim, EndLine expected) {
    using namespace std::chrono_literals;
    std::vector<std::string> lines = sim.LogLines();
    if (expected == EndLine::kAny) {
        return lines;
    }
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (EndLineOf(lines) == "(none)" && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
        lines = sim.LogLines();
    }
    return lines;
}

}  // namespace

const std::vector<Fault>& AllFaults() {
    static const std::vector<Fault> faults = {
        Fault::kNone,  Fault::kNoReply,  Fault::kSilentFrom, Fault::kErrorKey, Fault::kBadToken,
        Fault::kNoNak, Fault::kBadBlock, Fault::kDropAck,    Fault::kPieces,   Fault::kVanish};
    return faults;
}

std::string FaultName(Fault fault) {
    switch (fault) {
        case Fault::kNone:
            return "none";
        case Fault::kNoReply:
            return "no-reply";
        case Fault::kSilentFrom:
            return "silent-from";
        case Fault::kErrorKey:
            return "error-key";
        case Fault::kBadToken:
            return "bad-token";
        case Fault::kNoNak:
            return "no-nak";
        case Fault::kBadBlock:
            return "bad-block";
        case Fault::kDropAck:
            return "drop-ack";
        case Fault::kPieces:
            return "pieces";
        case Fault::kVanish:
            return "vanish";
    }
    return "?";
}

std::vector<std::string> FaultArgs(Fault fault, const std::string& key) {
    switch (fault) {
        case Fault::kNone:
            return {};
        case Fault::kNoReply:
            return {"--fault", "no-reply"};
        case Fault::kSilentFrom:
            return {"--fault", "silent-from=" + key};
        case Fault::kErrorKey:
            return {"--fault", "error-key=" + key};
        case Fault::kBadToken:
            return {"--fault", "bad-token=" + key};
        case Fault::kNoNak:
            return {"--fault", "no-nak"};
        case Fault::kBadBlock:
            return {"--fault", "bad-block=1"};
        case Fault::kDropAck:
            return {"--fault", "drop-ack=1"};
        case Fault::kPieces:
            return {"--pieces"};
        case Fault::kVanish:
            return {"--fault", "vanish=" + key};
    }
    return {};
}

std::vector<std::string> RunCell(const Row& row, Fault fault) {
    std::vector<std::string> args = FaultArgs(fault, row.key);
    args.insert(args.end(), row.simArgs.begin(), row.simArgs.end());
    test::TempDir dir;
    test::SimProcess sim(
        test::SimOptionsFor(row.edition, args, {{"MORVIK_CONFIG_DIR", dir.File("simconfig")}}));

    // The output goes into a folder of its own, where a file of the same name waits.
    const std::string outputFolder = dir.File("out");
    std::filesystem::create_directories(outputFolder);
    const std::string outputPath = outputFolder + "/result";
    if (row.writesFile) {
        std::ofstream(outputPath, std::ios::binary) << kEarlierFile;
    }

    const Expectation expected = row.expect(fault);
    CellResult result = row.run(CellContext{sim, dir, outputPath});
    result.lines = SettledLog(sim, expected.end);
    if (row.writesFile) {
        if (std::filesystem::exists(outputPath)) {
            result.output = test::ReadWholeFile(outputPath);
        }
        for (const auto& entry : std::filesystem::directory_iterator(outputFolder)) {
            result.folder.push_back(entry.path().filename().string());
        }
    }

    std::vector<std::string> problems;
    if (result.succeeded != expected.succeeds) {
        problems.push_back(expected.succeeds ? "failed" : "reported success");
    }
    if (!expected.shown.empty() &&
        std::none_of(expected.shown.begin(), expected.shown.end(), [&](const std::string& text) {
            return result.shown.find(text) != std::string::npos;
        })) {
        problems.push_back("expected \"" + expected.shown.front() + "\"" +
                           (expected.shown.size() > 1 ? " (or another)" : "") + ", shown: \"" +
                           Shorten(result.shown) + "\"");
    }

    // The last restart the terminal was told to make after the session's own last command
    // ("exit" may follow it: the tool says it to whatever terminal it can still reach when it
    // ends).
    const std::string last = EndLineOf(result.lines);
    const std::string wanted = expected.end == EndLine::kRebootS ? "reboot s" : "reboot";
    if (expected.end != EndLine::kAny && last != wanted) {
        std::string tail;
        for (std::size_t i = result.lines.size() > 3 ? result.lines.size() - 3 : 0;
             i < result.lines.size(); ++i) {
            tail += " | " + result.lines[i];
        }
        problems.push_back("terminal last told \"" + last + "\", not \"" + wanted +
                           "\"; its last lines:" + tail);
    }
    if (expected.nothingAfterKey) {
        const auto keyLine =
            std::find_if(result.lines.begin(), result.lines.end(),
                         [&](const std::string& line) { return LineOfKey(line, row.key); });
        if (keyLine != result.lines.end()) {
            const auto later = std::find_if(keyLine + 1, result.lines.end(), IsWriteOrEnd);
            if (later != result.lines.end()) {
                problems.push_back("\"" + *later + "\" sent after the failed " + row.key);
            }
        }
    }
    if (expected.noTransfer && std::any_of(result.lines.begin(), result.lines.end(), IsTransfer)) {
        problems.push_back("a transfer took place");
    }

    if (row.writesFile) {
        if (result.folder.size() != 1) {
            std::ostringstream names;
            for (const std::string& name : result.folder) {
                names << " " << name;
            }
            problems.push_back("output folder holds:" + names.str());
        }
        if (!result.output) {
            problems.push_back("the output file is gone");
        } else if (!expected.succeeds && *result.output != kEarlierFile) {
            problems.push_back("the earlier file was changed by a failed session");
        } else if (expected.succeeds && result.succeeded) {
            if (*result.output == kEarlierFile) {
                problems.push_back("the earlier file was not replaced");
            } else if (row.checkOutput) {
                if (std::string bad = row.checkOutput(*result.output); !bad.empty()) {
                    problems.push_back(bad);
                }
            }
        }
    }
    return problems;
}

}  // namespace morvik::faults
