// morvik check FILE.dat: loads a device settings file as the settings window would and prints
// every message of the load and every message the window would show before a write. The exit
// code says whether the file could be written to a terminal as it stands.
//
// The edition is taken from the file's header; each edition the tool can check has one entry in
// kCheckers.

#include <algorithm>
#include <array>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/MiniSxCheck.h"
#include "cli/SlimCommands.h"
#include "files/SettingsFile.h"
#include "files/SettingsFileMini.h"
#include "files/SlimSettingsFile.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

// This command's entries of the command-line tool's string table.
constexpr int kCheckSummary = 3140;
constexpr int kCheckHelp = 3141;

// Prints the messages, one per line, and gives the exit code: a file with any message would
// not be written as it stands (a warning means a value was left out or replaced on loading).
int Report(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        PrintOut(ForScreen(message));
    }
    return messages.empty() ? kExitOk : kExitFailure;
}

// Load messages, then what the checks before a write add. A page's faults are reported on
// loading and again by the window's check; each is printed once.
std::vector<std::string> LoadThenCheck(std::vector<std::string> loaded,
                                       const std::vector<std::string>& checked) {
    std::vector<std::string> unmatched = loaded;
    for (const std::string& message : checked) {
        auto seen = std::find(unmatched.begin(), unmatched.end(), message);
        if (seen != unmatched.end()) {
            unmatched.erase(seen);
        } else {
            loaded.push_back(message);
        }
    }
    return loaded;
}

int CheckMini(std::string_view text) {
    MiniSettings settings;
    MiniReadResult read = LoadMiniSettingsText(text, settings);
    if (read.Failed()) {
        return Report({read.error});
    }
    std::vector<std::string> checked = ValidateMiniSettings(settings);
    for (std::string& message : CheckMiniSounds(settings)) {
        checked.push_back(std::move(message));
    }
    return Report(LoadThenCheck(std::move(read.warnings), checked));
}

int CheckMiniSX(std::string_view text) {
    MiniSXCheckResult check = CheckMiniSXText(text);
    if (check.error) {
        return Report({*check.error});
    }
    return Report(LoadThenCheck(std::move(check.loaded), check.checked));
}

struct EditionChecker {
    SettingsFileEdition edition;
    std::size_t maxSize;
    int (*check)(std::string_view text);
};

constexpr std::array kCheckers = {
    EditionChecker{SettingsFileEdition::Slim, kSlimSettingsFileMaxSize, CheckSlim},
    EditionChecker{SettingsFileEdition::Mini, kMiniFamilySettingsFileMaxSize, CheckMini},
    EditionChecker{SettingsFileEdition::MiniSx, kMiniFamilySettingsFileMaxSize, CheckMiniSX},
};

int RunCheck(CliContext&, std::vector<std::string>& args) {
    if (args.empty()) {
        PrintError(Text(kCheckHelp));
        return kExitUsage;
    }
    if (args.front().starts_with("-")) {
        NoArgumentsLeft(args);
        return kExitUsage;
    }
    if (!NoArgumentsLeft(std::vector<std::string>(args.begin() + 1, args.end()))) {
        return kExitUsage;
    }
    std::size_t largest = 0;
    for (const EditionChecker& checker : kCheckers) {
        largest = std::max(largest, checker.maxSize);
    }
    SettingsFileText file = ReadSettingsFileText(PathFromUtf8(args.front()), largest);
    if (!file.ok) {
        return Report({file.message});
    }
    SettingsFileEdition edition = DetectSettingsFileEdition(file.text);
    if (edition == SettingsFileEdition::Unknown) {
        return Report({res::TextCp932(res::ids::kSettingsFileInvalid)});
    }
    for (const EditionChecker& checker : kCheckers) {
        if (checker.edition != edition) {
            continue;
        }
        // The text has CR LF appended to what the file holds.
        if (file.text.size() - 2 > checker.maxSize) {
            return Report({res::TextCp932(res::ids::kSettingsFileInvalid)});
        }
        return checker.check(file.text);
    }
    // A settings file of an edition this tool cannot check yet.
    return Report({res::TextCp932(res::ids::kNotThisEditionsTerminal)});
}

const CliCommandRegistration kCheck({"check", kCheckSummary, kCheckHelp, RunCheck});

}  // namespace
}  // namespace morvik::cli
