#pragma once
// The read session of a MiniSx: fills a settings model from a terminal (one "pget" per
// parameter and "ndef g u" for the NDEF text, in a fixed order) or from a MiniSx settings file.
//
// Outcomes, as for the Mini/MiniS read:
//  - completed: every value taken;
//  - failed with WarningsOnly(): every value taken, but some were replaced or could not be
//    shown (366, 375, 379, 967, 917, 916, 327, 911, 993 ...); the warnings are the error text,
//    each followed by CR LF;
//  - failed: 904 when a reply was a failure (no later value is asked for), 907 when the file
//    cannot be read, 914 when it is no MiniSx settings file (a Mini/MiniS file among them) or
//    holds a record that cannot be shown. The settings are then as they were before the read.
//
// A terminal read ends with "reboot s" in every outcome once the session was open.

#include <string>
#include <vector>

#include "model/MiniSxSettings.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

class CMiniSXReadSession : public CSessionWorker {
  public:
    // From a terminal. With openSession the worker connects and opens the command session
    // itself; otherwise the caller has done so. settings: what the window holds now; a terminal
    // read keeps its sound list, which a terminal cannot give back.
    CMiniSXReadSession(CTerminal& terminal, bool openSession, const MiniSXSettings& settings = {});
    // From the settings file at path (the bytes of the path are used as they are).
    explicit CMiniSXReadSession(std::string filePath, const MiniSXSettings& settings = {});
    ~CMiniSXReadSession() override;

    bool FromFile() const { return terminal_ == nullptr; }

    // Valid once Finished(): true when the values were taken (completed, or warnings only).
    bool Loaded() const { return loaded_; }
    const MiniSXSettings& Settings() const { return settings_; }
    const std::vector<std::string>& Warnings() const { return warnings_; }

  protected:
    void Run() override;

  private:
    bool ReadFile(MiniValues& values);
    bool ReadTerminal(MiniValues& values);
    void Conclude(MiniValueSource source, const MiniValues& values);

    CTerminal* terminal_ = nullptr;
    bool openSession_ = false;
    std::string filePath_;
    MiniSXSettings settings_;
    std::vector<std::string> warnings_;
    bool loaded_ = false;
};

}  // namespace morvik
