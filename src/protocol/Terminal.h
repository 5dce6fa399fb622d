#pragma once
// Everything the tool does to a terminal goes through one CTerminal: it owns the one serial port
// of the run, knows which port is current, and offers the command exchange, the session opening,
// the identification and the small main-window commands. The desktop main window owns one and
// forwards to it; the command-line tool uses it directly; session workers borrow it while their
// modal window runs (one user of the port at a time, no locks).
//
// Nothing here shows a message itself: messages go to the IReporter, as code page 932 text.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "link/SerialCommAPI.h"
#include "protocol/DeviceInfo.h"
#include "protocol/Edition.h"
#include "protocol/ProtocolTrace.h"
#include "protocol/Reporter.h"

namespace morvik {

class CTerminal {
  public:
    explicit CTerminal(IReporter& reporter);
    ~CTerminal();
    CTerminal(const CTerminal&) = delete;
    CTerminal& operator=(const CTerminal&) = delete;

    // ---- State -------------------------------------------------------------------------------
    CSerialCommAPI& Port() { return port_; }
    IReporter& Reporter() { return *reporter_; }
    void SetReporter(IReporter& reporter) { reporter_ = &reporter; }
    CProtocolTrace& Trace() { return trace_; }

    // The current port: a COM number (1..256, through the port map) unless a device path is set,
    // which then wins. Every connect opens whatever is current at that moment.
    int PortNumber() const { return portNumber_.load(); }
    void SetPortNumber(int port) { portNumber_.store(port); }
    const std::string& DevicePath() const { return devicePath_; }
    void SetDevicePath(const std::string& path) { devicePath_ = path; }

    // Set at start-up; the first session opening of the run shows the Slim power-saving notice.
    bool FirstCommunication() const { return firstCommunication_.load(); }
    void SetFirstCommunication(bool on) { firstCommunication_.store(on); }
    // Off (the desktop tool): the notice comes before the first session, whatever answers. On
    // (the command-line tool, whose output lands in scripts' logs): it comes only after a
    // session that a Slim opened, once per run.
    void SetNoticeOnlyForSlim(bool on) { noticeOnlyForSlim_ = on; }

    // On while a session is being opened (and for the rest of a Mini-family session): exchanges
    // then skip their pacing sleeps.
    bool Pacing() const { return pacing_.load(); }
    void SetPacing(bool on) { pacing_.store(on); }

    // The lines that put a normal-mode terminal into command mode, one per family.
    const std::string& MiniOpeningLine() const { return miniOpeningLine_; }
    const std::string& SlimOpeningLine() const { return slimOpeningLine_; }
    void SetOpeningLines(const std::string& mini, const std::string& slim);

    // ---- Connection and session --------------------------------------------------------------
    // Opens the current port with the working line settings; unless quiet, a failure is reported.
    bool Connect(bool quiet);
    // The message of the last failed connect: the open failure, and what to do about it when the
    // user lacks the right to use the device.
    std::string OpenFailureText() const;
    // Lines that replace what follows the open failure's first line (code page 932, CR LF
    // between lines): the command-line tool names the port, its device and the cause there.
    void SetOpenFailureDetail(std::function<std::string(const CTerminal&)> detail) {
        openFailureDetail_ = std::move(detail);
    }
    // The error of the last failed open (an errno value).
    int LastOpenError() const { return port_.LastOpenError(); }
    void Disconnect();
    bool IsConnected() const { return port_.IsOpen(); }
    // Wakes the terminal and starts a command session; reports "機器との接続に失敗しました。" when
    // no terminal answers.
    bool OpenSession();
    // The same, without any failure message (the port search).
    bool ProbeSession();

    // ---- Exchange ----------------------------------------------------------------------------
    // Sends one line and returns its cleaned reply; "noreply" after a time-out, "error" when a
    // byte could not be written, "csumerror" when a written value was not confirmed. Quiet keeps
    // the prompt in the reply and suppresses the read-failure message.
    std::string Exchange(const std::string& line, bool quiet);
    // The same framing, complete at the first line end instead of a prompt; no write check.
    std::string PlainExchange(const std::string& line, bool quiet);
    // CR LF byte by byte, then CR, reading nothing: empty text, or "error" when a write failed.
    std::string RawWakeUp();
    std::string SendExit();
    // "reboot s" CR LF in one write, not awaiting anything.
    bool SendReboot();
    // Takes a terminal whose session is open out of command mode as after a read: a Mini-family
    // terminal is restarted with "reboot s", a Slim (which the tool never restarts) is told
    // "exit"; kEditionNone sends nothing. The port stays open.
    void LeaveAfterLooking(EditionCode code);
    // While the flag is set, every exchange ends at its next poll with "noreply" (the port
    // search's Cancel). Null (the default) for none; the flag must outlive its use here.
    void SetExchangeCancel(const std::atomic<bool>* flag) { exchangeCancel_ = flag; }
    // A reply that has neither ended with a prompt nor fallen silent after this many bytes or
    // this long comes from something that never stops talking (a GPS receiver on the port sends
    // a line every few milliseconds): it counts as no reply instead of holding the exchange, and
    // the port search, for ever. No reply of a terminal comes near either bound.
    static constexpr size_t kReplyMaxBytes = 64 * 1024;
    static constexpr std::chrono::milliseconds kReplyMaxTime{10000};
    // Other bounds than these (a test that must not wait, or one that lifts them).
    void SetReplyLimits(size_t maxBytes, std::chrono::milliseconds maxTime) {
        replyMaxBytes_ = maxBytes;
        replyMaxTime_ = maxTime;
    }

    // ---- Identification ----------------------------------------------------------------------
    // With inSession the session is open already; otherwise this connects, opens a session, asks,
    // reboots the terminal and disconnects by itself.
    EditionCode DetectEdition(bool inSession);
    // Inside an open session: the six panel texts; rawReply receives the reply to "ver", and
    // everyAnswer whether every question was answered (a Mini-family terminal that is silent on
    // "rtc get" or "tcnt", or answers them with garbage, leaves a field empty or unknown).
    DeviceInfo ReadIdentification(std::string* rawReply = nullptr, bool* everyAnswer = nullptr);
    std::string TerminalIdQuery();
    std::string FirmwareVersionQuery();

    // ---- Main-window commands (each a whole frame: connect ... disconnect) --------------------
    // 機器情報の読み込み: true when every question of the identification was answered; info holds
    // the panel either way (what was answered). edition, when given, receives the edition the
    // terminal named (kEditionNone when it named none or could not be reached).
    bool ReadDeviceInformation(DeviceInfo& info, EditionCode* edition = nullptr);
    // パソコンの時刻に合わせる with the given local time (taken before connecting).
    bool SetTerminalClock(const std::tm& localTime);
    // The same with the PC's local time at the moment of the call.
    bool SetTerminalClockFromPc();
    // 検出ログの消去; asks first unless askFirst is false (the answer comes from the reporter).
    bool EraseDetectionLog(bool askFirst = true);
    // What the tool does when it ends: a terminal that can still be reached gets "exit", so it is
    // not left in command mode, and the port is closed.
    void Shutdown();

  private:
    // Port access through here, so the trace sees every byte.
    bool WriteByte(char byte);
    bool SendText(const std::string& text);
    std::string ReadFragment();
    bool ExchangeCancelled() const { return exchangeCancel_ != nullptr && exchangeCancel_->load(); }

    std::string ExchangeFramed(const std::string& line, bool quiet, bool plain);
    bool OpenSessionWith(bool probe);
    void ShowFirstCommunicationNotice();

    CSerialCommAPI port_;
    IReporter* reporter_;
    std::function<std::string(const CTerminal&)> openFailureDetail_;
    CProtocolTrace trace_;
    std::atomic<int> portNumber_{1};
    std::string devicePath_;
    std::atomic<bool> firstCommunication_{true};
    bool noticeOnlyForSlim_ = false;
    std::atomic<bool> pacing_{false};
    std::string miniOpeningLine_;
    std::string slimOpeningLine_;
    const std::atomic<bool>* exchangeCancel_ = nullptr;
    size_t replyMaxBytes_ = kReplyMaxBytes;
    std::chrono::milliseconds replyMaxTime_ = kReplyMaxTime;
};

// Changes the port's read constant for a stretch and puts the saved time-outs back afterwards.
class CReadConstantScope {
  public:
    CReadConstantScope(CSerialCommAPI& port, uint32_t readConstant);
    ~CReadConstantScope();
    CReadConstantScope(const CReadConstantScope&) = delete;
    CReadConstantScope& operator=(const CReadConstantScope&) = delete;

  private:
    CSerialCommAPI& port_;
    CommTimeouts saved_;
};

}  // namespace morvik
