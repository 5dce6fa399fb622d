#pragma once
// The read session of a Mini/MiniS: fills a settings model from a terminal (one "pget" per
// parameter, 42 of them in a fixed order) or from a Mini settings file.
//
// Outcomes:
//  - completed: every value taken;
//  - failed with WarningsOnly(): every value taken, but some could not be shown as they were
//    (911 a function record, 388 lamps, 215 the authentication code ...); the warnings are the
//    error text, each followed by CR LF, and the caller shows them beside the values;
//  - failed: 904 when a reply was a failure (no later key is asked for), the read check's
//    message of a terminal setting (317, 318, 319, 320, 327), 907 when the file cannot be read,
//    914 when it is no Mini settings file or holds a record that cannot be shown. The settings
//    are then as they were before the read.
//
// A terminal read ends with "reboot s" in every outcome once the session was open, so the
// terminal does not stay in command mode; the caller closes the port afterwards.

#include <string>
#include <vector>

#include "model/MiniSettings.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// The read's progress range: the bar is full from the seventh parameter on.
inline constexpr int kMiniReadRange = 7;

class CMiniReadSession : public CSessionWorker {
  public:
    // From a terminal. With openSession the worker connects and opens the command session
    // itself (the detailed window's read); otherwise the caller has done so. settings: what the
    // window holds now; the read replaces everything but the sound list, which a terminal
    // cannot give back.
    CMiniReadSession(CTerminal& terminal, bool openSession, const MiniSettings& settings = {});
    // From the settings file at path (code page 932 path as the tool holds it, or UTF-8 on the
    // command line: the bytes are used as they are).
    explicit CMiniReadSession(std::string filePath, const MiniSettings& settings = {});
    ~CMiniReadSession() override;

    bool FromFile() const { return terminal_ == nullptr; }

    // Valid once Finished(): true when the values were taken (completed, or warnings only).
    bool Loaded() const { return loaded_; }
    const MiniSettings& Settings() const { return settings_; }
    const std::vector<std::string>& Warnings() const { return warnings_; }
    // A file read: the file's text (its bytes followed by CR LF).
    const std::string& FileText() const { return fileText_; }

  protected:
    void Run() override;

  private:
    bool ReadFile(MiniValues& values);
    bool ReadTerminal(MiniValues& values);
    void Conclude(MiniValueSource source, const MiniValues& values);

    CTerminal* terminal_ = nullptr;
    bool openSession_ = false;
    std::string filePath_;
    std::string fileText_;
    MiniSettings settings_;
    std::vector<std::string> warnings_;
    bool loaded_ = false;
};

}  // namespace morvik
