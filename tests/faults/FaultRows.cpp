// The rows of the fault matrix: each session of each edition, how it is run, and what every fault
// must lead to. The messages are the ones the operator is promised for the situation; where
// two are equally right (a terminal that vanishes mid-write may show as a time-out or as a
// failed write) either is accepted.

#include <algorithm>

#include "cli/CliStringIds.h"
#include "faults/FaultMatrix.h"
#include "faults/FaultRunners.h"
#include "files/DetectionLogCsv.h"
#include "model/Cp932.h"
#include "model/Pack.h"
#include "protocol/ProtocolTexts.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyEasyWriteSession.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/MiniSxQuickWrite.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"
#include "support/FirmwareImageFile.h"
#include "support/Wave.h"

namespace morvik::faults {
namespace {

namespace ids = res::ids;

std::string T(int id) {
    return std::string(res::Text(id));
}

// ---- Sessions --------------------------------------------------------------------------------

enum class Kind {
    kRead,
    kWrite,
    kFirmware,
    kMaintenance,
    kDetectionLog,
    kIdentify,
    kClock,
    kErase
};

bool Loaded(const CSessionWorker& session) {
    if (auto* mini = dynamic_cast<const CMiniReadSession*>(&session)) {
        return mini->Loaded();
    }
    if (auto* minisx = dynamic_cast<const CMiniSxReadSession*>(&session)) {
        return minisx->Loaded();
    }
    if (auto* slim = dynamic_cast<const CSlimReadSession*>(&session)) {
        return slim->Loaded();
    }
    return false;
}

bool Completed(const CSessionWorker& session) {
    return session.Completed();
}

void BrowserEverywhere(std::array<FunctionSet, 2>& sets) {
    for (FunctionSet& set : sets) {
        set.docomo.Select(BrowserRecord{"http://docomo.example/?", ""});
        set.other.Select(BrowserRecord{"http://other.example/?", ""});
    }
}

MiniSettings MiniWriteModel(const std::string& wave) {
    MiniSettings settings;
    BrowserEverywhere(settings.sets);
    settings.lamps.sets[0][1] = "12222200000";
    settings.soundPaths[0] = wave;
    settings.soundPaths[1] = wave;
    settings.registerSounds = true;
    return settings;
}

MiniSxSettings MiniSxWriteModel(const std::string& wave) {
    MiniSxSettings settings;
    BrowserEverywhere(settings.sets);
    settings.soundPaths[0] = wave;
    settings.registerSounds = true;
    return settings;
}

MiniQuickSettings QuickModel() {
    return MiniQuickSettings{.window = QuickWindow::Easy,
                             .url = "http://easy.example/?",
                             .message = "",
                             .sound = SoundChoice::Standard,
                             .lamp = LampPreset::Blue};
}

std::string ProgramFolder() {
    return test::RequiredEnv("MORVIK_SOURCE_DIR");  // where the "wav" folder lies
}

// A plan that cannot be made (the standard sounds are missing) is shown, and nothing is sent.
CellResult PlanProblem(const std::string& problem) {
    CellResult result;
    result.shown = "(no plan) " + Cp932ToUtf8(problem);
    return result;
}

using Runner = std::function<CellResult(const CellContext&)>;

Runner SessionRunner(const std::string& edition, Kind kind, bool easy) {
    const bool slim = edition == "slim";
    const bool minisx = edition == "minisx";
    if (kind == Kind::kRead) {
        return [slim, minisx](const CellContext& c) {
            if (slim) {
                return RunSession(
                    c, Frame::kCallerOpens,
                    [](CTerminal& t) { return std::make_unique<CSlimReadSession>(t); }, Loaded);
            }
            if (minisx) {
                return RunSession(
                    c, Frame::kWorkerOpens,
                    [](CTerminal& t) { return std::make_unique<CMiniSxReadSession>(t, true); },
                    Loaded);
            }
            return RunSession(
                c, Frame::kWorkerOpens,
                [](CTerminal& t) { return std::make_unique<CMiniReadSession>(t, true); }, Loaded);
        };
    }
    // Writes.
    if (slim) {
        return [](const CellContext& c) {
            SlimEditorState state;
            state.browser = BrowserRecord{"http://slim.example/?", ""};
            return RunSession(
                c, Frame::kCallerOpens,
                [state](CTerminal& t) { return std::make_unique<CSlimWriteSession>(t, state); },
                Completed);
        };
    }
    if (minisx && easy) {
        return [](const CellContext& c) {
            MiniQuickPlan plan = BuildMiniSxQuickPlan(QuickModel(), ProgramFolder());
            if (!plan.problem.empty()) {
                return PlanProblem(plan.problem);
            }
            return RunSession(
                c, Frame::kCallerOpensMiniWrite,
                [plan](CTerminal& t) {
                    return std::make_unique<CMiniFamilyEasyWriteSession>(t, plan, false);
                },
                Completed);
        };
    }
    if (minisx) {
        return [](const CellContext& c) {
            const MiniSxSettings model =
                MiniSxWriteModel(test::WriteWave(c.dir.File("sound.wav"), 2000, 96));
            return RunSession(
                c, Frame::kCallerOpensMiniWrite,
                [model](CTerminal& t) {
                    return std::make_unique<CMiniSxWriteSession>(t, model, false);
                },
                Completed);
        };
    }
    if (easy) {
        return [](const CellContext& c) {
            MiniQuickPlan plan = BuildMiniQuickPlan(QuickModel(), ProgramFolder());
            if (!plan.problem.empty()) {
                return PlanProblem(plan.problem);
            }
            return RunSession(
                c, Frame::kCallerOpensMiniWrite,
                [plan](CTerminal& t) {
                    return std::make_unique<CMiniFamilyEasyWriteSession>(t, plan, false);
                },
                Completed);
        };
    }
    return [](const CellContext& c) {
        const MiniSettings model =
            MiniWriteModel(test::WriteWave(c.dir.File("sound.wav"), 2000, 96));
        return RunSession(
            c, Frame::kCallerOpensMiniWrite,
            [model](CTerminal& t) { return std::make_unique<CMiniWriteSession>(t, model, false); },
            Completed);
    };
}

Runner CliRunner(const std::string& edition, Kind kind) {
    switch (kind) {
        case Kind::kFirmware:
            return [edition](const CellContext& c) {
                const std::string model = edition == "slim" ? "ZRT410N" : "ZRT450";
                const std::string image =
                    test::WriteFirmwareImage(c.dir, "image.x", model, 3000, "9.87");
                return RunCli(c, {"firmware", "--wait", "3", image});
            };
        case Kind::kMaintenance:
            return [](const CellContext& c) { return RunCli(c, {"maint", c.outputPath}); };
        case Kind::kDetectionLog:
            return [](const CellContext& c) { return RunCli(c, {"dlog", "get", c.outputPath}); };
        case Kind::kIdentify:
            return [](const CellContext& c) { return RunCli(c, {"info"}); };
        case Kind::kClock:
            return [](const CellContext& c) { return RunCli(c, {"clock"}); };
        case Kind::kErase:
            return [](const CellContext& c) { return RunCli(c, {"dlog", "erase", "--yes"}); };
        default:
            return {};
    }
}

// ---- What each fault must lead to ------------------------------------------------------------

constexpr int kDetectionLogRecords = 9;

Expectation Succeeds(std::vector<std::string> shown = {}, EndLine end = EndLine::kAny) {
    return Expectation{.succeeds = true, .shown = std::move(shown), .end = end};
}

Expectation Fails(std::vector<std::string> shown, EndLine end = EndLine::kAny) {
    return Expectation{.succeeds = false, .shown = std::move(shown), .end = end};
}

struct RowPlan {
    std::string edition;
    Kind kind;
    bool easy = false;
    std::string key;
    std::string writeCode;  // the write error code of key, for checksum failures
};

Expectation Expect(const RowPlan& row, Fault fault) {
    const bool mini = row.edition != "slim";
    const EndLine rebootS = mini ? EndLine::kRebootS : EndLine::kAny;
    const std::string connectFailed = Cp932ToUtf8(Texts::ConnectFailed());
    if (fault == Fault::kNoReply) {
        Expectation e = Fails({connectFailed});
        e.noTransfer = true;
        return e;
    }
    const bool keyFault =
        fault == Fault::kSilentFrom || fault == Fault::kErrorKey || fault == Fault::kVanish;
    // A terminal that has gone cannot be told anything more.
    const EndLine end = fault == Fault::kVanish ? EndLine::kAny : rebootS;

    switch (row.kind) {
        case Kind::kRead:
            if (keyFault) {
                return Fails({T(ids::kReadFailed)}, end);
            }
            return Succeeds({}, rebootS);

        case Kind::kWrite: {
            Expectation e;
            if (fault == Fault::kSilentFrom) {
                e = Fails({T(ids::kSerialTimeout)});
            } else if (fault == Fault::kErrorKey) {
                // Every key of these rows has its write confirmed, and a refusal carries no
                // confirmation: the exchange reports it as an unconfirmed write.
                e = Fails({T(ids::kWriteChecksumError) + row.writeCode});
            } else if (fault == Fault::kVanish) {
                e = Fails({T(ids::kSerialTimeout), T(ids::kWriteFailed)});
            } else if (fault == Fault::kBadToken) {
                e = Fails({T(ids::kWriteChecksumError) + row.writeCode});
            } else if (fault == Fault::kNoNak && mini) {
                e = Fails({T(ids::kUploadTimeout)});
                e.noTransfer = true;
            } else {
                return Succeeds({}, mini ? EndLine::kReboot : EndLine::kAny);
            }
            // A failed write stops at once and the terminal is told to apply nothing further.
            e.nothingAfterKey = true;
            e.end = fault == Fault::kVanish ? EndLine::kAny : rebootS;
            return e;
        }

        case Kind::kFirmware:
            if (fault == Fault::kSilentFrom || fault == Fault::kVanish) {
                Expectation e = Fails({T(ids::kReadFailed)});
                e.noTransfer = true;
                return e;
            }
            if (fault == Fault::kErrorKey) {
                // No edition answered: the update does not start.
                Expectation e = Fails({T(ids::kFirmwareFailed)});
                e.noTransfer = true;
                return e;
            }
            if (fault == Fault::kNoNak) {
                Expectation e = Fails({T(ids::kFirmwareCancelled)});
                e.noTransfer = true;
                return e;
            }
            return Succeeds({T(ids::kFirmwareUpdated)});

        case Kind::kMaintenance:
            if (fault == Fault::kSilentFrom) {
                return Fails({T(ids::kMaintenanceTimeout)}, end);
            }
            if (fault == Fault::kErrorKey) {
                return Fails({T(ids::kMaintenanceCancelled)}, end);
            }
            if (fault == Fault::kVanish) {
                return Fails({T(ids::kMaintenanceTimeout), T(ids::kMaintenanceCancelled)});
            }
            return Succeeds({T(ids::kMaintenanceSaved)}, rebootS);

        case Kind::kDetectionLog:
            if (keyFault) {
                return Fails({T(ids::kDetectionLogFailed)}, end);
            }
            return Succeeds({T(ids::kDetectionLogSaved)}, EndLine::kRebootS);

        case Kind::kIdentify:
            if (keyFault) {
                // Without an answer to "ver" no edition is known, and only a known Mini-family
                // terminal is restarted; the tool's closing "exit" ends the session instead.
                return Fails({T(ids::kReadFailed), T(cli::ids::kInfoFailed)});
            }
            return Succeeds({}, rebootS);

        case Kind::kClock:
            if (row.edition == "slim") {
                return Fails({T(ids::kMiniNotFound)});
            }
            if (keyFault) {
                return Fails({connectFailed}, end);
            }
            return Succeeds({Cp932ToUtf8(Texts::ClockSetDone())}, EndLine::kRebootS);

        case Kind::kErase:
            if (row.edition == "minisx" || row.edition == "slim") {
                // Refused before "dlog" is ever sent: the key faults do not reach it.
                return Fails({T(ids::kMiniNotFound)}, rebootS);
            }
            if (keyFault) {
                return Fails({T(ids::kReadFailed), T(cli::ids::kDlogEraseFailed)}, end);
            }
            return Succeeds({Cp932ToUtf8(Texts::EraseLogDone())}, EndLine::kRebootS);
    }
    return {};
}

std::string CheckMaintenanceFile(const std::string& bytes) {
    const std::optional<std::string> text = Inflate(bytes, 1 << 22);
    if (!text) {
        return "the maintenance file is not zlib data";
    }
    return text->starts_with("-----\r\n") ? std::string()
                                          : "the maintenance text does not start with -----";
}

std::string CheckDetectionLogFile(const std::string& bytes) {
    if (!bytes.starts_with(DetectionLogCsvHeader())) {
        return "the CSV does not start with its header";
    }
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    return lines == kDetectionLogRecords + 1 ? std::string()
                                             : "the CSV has " + std::to_string(lines) + " lines";
}

std::string KindName(Kind kind, bool easy) {
    switch (kind) {
        case Kind::kRead:
            return "read";
        case Kind::kWrite:
            return easy ? "easy write" : "write";
        case Kind::kFirmware:
            return "firmware";
        case Kind::kMaintenance:
            return "maintenance";
        case Kind::kDetectionLog:
            return "detection log";
        case Kind::kIdentify:
            return "identification";
        case Kind::kClock:
            return "clock";
        case Kind::kErase:
            return "log erase";
    }
    return "?";
}

Row MakeRow(const RowPlan& plan) {
    Row row;
    row.name = plan.edition + " " + KindName(plan.kind, plan.easy);
    row.edition = plan.edition;
    row.key = plan.key;
    if (plan.kind == Kind::kRead || plan.kind == Kind::kWrite) {
        row.run = SessionRunner(plan.edition, plan.kind, plan.easy);
    } else {
        row.run = CliRunner(plan.edition, plan.kind);
    }
    if (plan.kind == Kind::kMaintenance) {
        row.writesFile = true;
        row.checkOutput = CheckMaintenanceFile;
    }
    if (plan.kind == Kind::kDetectionLog) {
        row.writesFile = true;
        row.checkOutput = CheckDetectionLogFile;
        row.simArgs = {"--dlog-records", std::to_string(kDetectionLogRecords)};
    }
    row.expect = [plan](Fault fault) { return Expect(plan, fault); };
    return row;
}

std::vector<Row> BuildRows() {
    std::vector<RowPlan> plans = {
        {"slim", Kind::kRead, false, "psh1", ""},
        {"slim", Kind::kWrite, false, "psh1", "(213)"},
        {"slim", Kind::kFirmware, false, "ver", ""},
        {"slim", Kind::kMaintenance, false, "lget", ""},
        {"slim", Kind::kIdentify, false, "ver", ""},
    };
    for (const char* edition : {"mini", "minis"}) {
        const std::vector<RowPlan> family = {
            {edition, Kind::kRead, false, "pow", ""},
            {edition, Kind::kWrite, false, "lnv1", "(463)"},
            {edition, Kind::kWrite, true, "lnv1", "(463)"},
            {edition, Kind::kFirmware, false, "ver", ""},
            {edition, Kind::kMaintenance, false, "lget", ""},
            {edition, Kind::kDetectionLog, false, "dlog g", ""},
            {edition, Kind::kIdentify, false, "ver", ""},
            {edition, Kind::kClock, false, "rtc", ""},
            {edition, Kind::kErase, false, "dlog", ""},
        };
        plans.insert(plans.end(), family.begin(), family.end());
    }
    const std::vector<RowPlan> minisx = {
        {"minisx", Kind::kRead, false, "smp", ""},
        {"minisx", Kind::kWrite, false, "smp", "(367)"},
        {"minisx", Kind::kWrite, true, "nfc", "(368)"},
        {"minisx", Kind::kFirmware, false, "ver", ""},
        {"minisx", Kind::kMaintenance, false, "lget", ""},
        {"minisx", Kind::kIdentify, false, "ver", ""},
        {"minisx", Kind::kClock, false, "rtc", ""},
        {"minisx", Kind::kErase, false, "dlog", ""},
    };
    plans.insert(plans.end(), minisx.begin(), minisx.end());

    std::vector<Row> rows;
    for (const RowPlan& plan : plans) {
        rows.push_back(MakeRow(plan));
    }
    return rows;
}

}  // namespace

const std::vector<Row>& AllRows() {
    static const std::vector<Row> rows = BuildRows();
    return rows;
}

}  // namespace morvik::faults
