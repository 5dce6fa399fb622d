#include "faults/FaultRunners.h"

#include <cstdint>
#include <fstream>

#include "model/Cp932.h"
#include "protocol/Reporter.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik::faults {
namespace {

// Keeps every message the core shows, as the operator would read it; answers every question
// with OK (the operator goes on).
class CRecordingReporter : public IReporter {
  public:
    void ShowError(const std::string& text) override { Add(text); }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        Add(caption + " " + text);
    }
    void ShowInformation(const std::string& caption, const std::string& text) override {
        Add(caption + " " + text);
    }
    bool Ask(const std::string&, const std::string&) override { return true; }
    void SetBusy(bool) override {}
    void SetCanClose(bool) override {}

    const std::string& Shown() const { return shown_; }

  private:
    void Add(const std::string& cp932) { shown_ += Cp932ToUtf8(cp932) + "\n"; }
    std::string shown_;
};

void Le(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

CellResult RunSession(const CellContext& context, Frame frame,
                      const std::function<std::unique_ptr<CSessionWorker>(CTerminal&)>& make,
                      const SessionJudge& judge) {
    CRecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(context.sim.DevicePath());
    terminal.SetFirstCommunication(false);

    CellResult result;
    if (frame != Frame::kWorkerOpens && !(terminal.Connect(false) && terminal.OpenSession())) {
        terminal.Disconnect();
        result.shown = reporter.Shown();
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
    result.shown = reporter.Shown() + Cp932ToUtf8(session->ErrorText());
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

std::string WriteWave(const test::TempDir& dir, const std::string& name, std::size_t samples) {
    std::string bytes(44, '\0');
    bytes.replace(0, 4, "RIFF");
    Le(bytes, 4, static_cast<std::uint32_t>(36 + samples), 4);
    bytes.replace(8, 8, "WAVEfmt ");
    Le(bytes, 16, 16, 4);
    Le(bytes, 20, 1, 2);  // PCM
    Le(bytes, 22, 1, 2);  // mono
    Le(bytes, 24, 8000, 4);
    Le(bytes, 28, 8000, 4);
    Le(bytes, 32, 1, 2);
    Le(bytes, 34, 8, 2);
    bytes.replace(36, 4, "data");
    Le(bytes, 40, static_cast<std::uint32_t>(samples), 4);
    for (std::size_t i = 0; i < samples; ++i) {
        bytes += static_cast<char>(128 + static_cast<int>(i % 32) - 16);
    }
    const std::string path = dir.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string WriteFirmwareImage(const test::TempDir& dir, const std::string& model,
                               const std::string& version, std::size_t dataLength) {
    std::string data(dataLength, '\0');
    for (std::size_t i = 0; i < dataLength; ++i) {
        data[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    }
    // The data checksum covers the first 256 data bytes and the data from offset 384 on.
    unsigned sum = 0;
    for (std::size_t i = 0; i < dataLength && i < 256; ++i) {
        sum += static_cast<unsigned char>(data[i]);
    }
    for (std::size_t i = 384; i < dataLength && i < 384 + 0xF680; ++i) {
        sum += static_cast<unsigned char>(data[i]);
    }
    std::string header(128, '\0');
    Le(header, 16, static_cast<std::uint32_t>(dataLength), 4);
    header[20] = static_cast<char>(sum & 0xFF);
    header.replace(64, version.size(), version);
    header.replace(80, model.size(), model);  // six characters, a seventh in byte 86
    unsigned headerSum = 0;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (i != 124) {
            headerSum += static_cast<unsigned char>(header[i]);
        }
    }
    header[124] = static_cast<char>(headerSum & 0xFF);
    const std::string path = dir.File("image.x");
    std::ofstream(path, std::ios::binary) << header << data;
    return path;
}

}  // namespace morvik::faults
