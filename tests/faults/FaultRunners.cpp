#include "faults/FaultRunners.h"

#include "model/Cp932.h"
#include "protocol/Reporter.h"
#include "sessions/MiniWriteFrame.h"
#include "support/RecordingReporter.h"

namespace morvik::faults {

CellResult RunSession(const CellContext& context, Frame frame,
                      const std::function<std::unique_ptr<CSessionWorker>(CTerminal&)>& make,
                      const SessionJudge& judge) {
    test::RecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(context.sim.DevicePath());
    terminal.SetFirstCommunication(false);

    CellResult result;
    if (frame != Frame::kWorkerOpens && !(terminal.Connect(false) && terminal.OpenSession())) {
        terminal.Disconnect();
        result.shown = reporter.ShownText();
        return result;
    }
    std::unique_ptr<CSessionWorker> session = make(terminal);
    session->Start();
    session->Join();
    if (frame == Frame::kCallerOpensMiniWrite) {
        EndMiniWrite(terminal, *session);
    }
    terminal.Disconnect();
    result.succeeded = judge(*session);
    result.shown = reporter.ShownText() + Cp932ToUtf8(session->ErrorText());
    return result;
}

CellResult RunCli(const CellContext& context, const std::vector<std::string>& words) {
    std::vector<std::string> argv = {test::RequiredEnv("MORVIK_CLI"), "--device",
                                     context.sim.DevicePath()};
    argv.insert(argv.end(), words.begin(), words.end());
    const test::RunResult run =
        test::RunProgram(argv, "", {{"MORVIK_CONFIG_DIR", context.dir.File("config")}});
    CellResult result;
    result.succeeded = run.exitCode == 0 && !run.timedOut;
    result.shown = run.out + run.err + (run.timedOut ? "(timed out)" : "");
    return result;
}

}  // namespace morvik::faults
