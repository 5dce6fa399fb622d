#include "protocol/Terminal.h"

#include <cerrno>

#include "protocol/ProtocolTexts.h"

namespace morvik {

namespace {

// The working configuration of the line: a read returns what is queued at once, or waits up to
// this long for the first byte. Replies are assembled by the exchange's own polling.
constexpr uint32_t kWorkingReadConstantMs = 200;
constexpr uint32_t kReadIntervalMax = 0xFFFFFFFF;
constexpr uint32_t kLineBaudRate = 115200;

}  // namespace

CTerminal::CTerminal(IReporter& reporter)
    : reporter_(&reporter),
      miniOpeningLine_(Texts::DefaultMiniOpeningLine()),
      slimOpeningLine_(Texts::DefaultSlimOpeningLine()) {}

CTerminal::~CTerminal() {
    if (port_.IsOpen()) {
        port_.Close();
    }
}

void CTerminal::SetOpeningLines(const std::string& mini, const std::string& slim) {
    miniOpeningLine_ = mini;
    slimOpeningLine_ = slim;
}

bool CTerminal::Connect(bool quiet) {
    const bool opened =
        devicePath_.empty() ? port_.Open(PortNumber()) : port_.OpenDevice(devicePath_);
    if (!opened) {
        if (!quiet) {
            reporter_->ShowError(OpenFailureText());
        }
        return false;
    }
    port_.SetMode(CSerialCommAPI::kModeSynchronous);
    port_.SetTerminator("\r");

    // 115200 baud 8N1, RTS held on, no flow control of any kind; whatever else the port had
    // (DTR, XOFF handling) stays as it was.
    LineSettings line = port_.ReadLineSettings();
    line.baudRate = kLineBaudRate;
    line.byteSize = 8;
    line.parity = 0;
    line.stopBits = 0;
    line.binary = true;
    line.rtsOn = true;
    line.parityCheck = false;
    line.ctsFlow = false;
    line.dsrFlow = false;
    line.dsrSensitivity = false;
    line.xonXoffOut = false;
    line.xonXoffIn = false;
    line.abortOnError = false;
    port_.SetLineSettings(line);

    CommTimeouts timeouts = port_.GetTimeouts();
    timeouts.readInterval = kReadIntervalMax;
    timeouts.readTotalMultiplier = kReadIntervalMax;
    timeouts.readTotalConstant = kWorkingReadConstantMs;
    port_.SetTimeouts(timeouts);

    trace_.Note("open " + port_.DevicePath());
    reporter_->SetCanClose(false);
    return true;
}

std::string CTerminal::OpenFailureText() const {
    if (openFailureDetail_) {
        return Texts::PortOpenFailed() + "\r\n" + openFailureDetail_(*this);
    }
    const int error = port_.LastOpenError();
    if (error == EACCES || error == EPERM) {
        return Texts::PortOpenFailed() + "\r\n" + Texts::PortPermissionDenied();
    }
    return Texts::PortOpenFailed();
}

void CTerminal::Disconnect() {
    if (port_.IsOpen()) {
        trace_.Note("close");
    }
    port_.Close();
    reporter_->SetCanClose(true);
}

bool CTerminal::WriteByte(char byte) {
    const bool ok = port_.WriteBytes(&byte, 1);
    return ok;
}

bool CTerminal::SendText(const std::string& text) {
    const bool ok = port_.Send(text);
    trace_.Sent(text);
    if (!ok) {
        trace_.Note("write failed");
    }
    return ok;
}

std::string CTerminal::ReadFragment() {
    std::string fragment = port_.ReadText(1024);
    trace_.Received(fragment);
    return fragment;
}

CReadConstantScope::CReadConstantScope(CSerialCommAPI& port, uint32_t readConstant)
    : port_(port), saved_(port.GetTimeouts()) {
    CommTimeouts changed = saved_;
    changed.readTotalConstant = readConstant;
    port_.SetTimeouts(changed);
}

CReadConstantScope::~CReadConstantScope() {
    port_.SetTimeouts(saved_);
}

}  // namespace morvik
