#pragma once
// The read session of a Mini-family terminal: fills a settings model from a terminal (one
// "pget" per parameter in the edition's order; the MiniSx's NDEF text by "ndef g u") or from a
// settings file of the edition. Edition is MiniEdition or MiniSxEdition
// (model/MiniFamilyEdition.h); CMiniReadSession and CMiniSxReadSession name the two.
//
// Outcomes:
//  - completed: every value taken;
//  - failed with WarningsOnly(): every value taken, but some were replaced or could not be
//    shown as they were (911 a function record, 388 or 993 lamps, 215 the authentication code,
//    366, 375, 379, 967, 917, 916, 327 the MiniSx's own pages ...); the warnings are the error
//    text, each followed by CR LF, and the caller shows them beside the values;
//  - failed: 904 when a reply was a failure (no later value is asked for), the read check's
//    message of a Mini terminal setting (317, 318, 319, 320, 327), 907 when the file cannot be
//    read, 914 when it is no settings file of the edition (a file of the other edition among
//    them) or holds a record that cannot be shown. The settings are then as they were before the
//    read.
//
// A terminal read ends with "reboot s" in every outcome once the session was open, so the
// terminal does not stay in command mode; the caller closes the port afterwards.

#include <optional>
#include <string>
#include <vector>

#include "files/SettingsFile.h"
#include "model/MiniFamilyEdition.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// The read's progress range: the bar is full from the seventh parameter on.
inline constexpr int kMiniReadRange = 7;

template <class Edition>
class CMiniFamilyReadSession : public CSessionWorker {
  public:
    using SettingsType = typename Edition::Settings;

    // From a terminal. With openSession the worker connects and opens the command session
    // itself (the detailed window's read); otherwise the caller has done so. settings: what the
    // window holds now; the read replaces everything but the sound list, which a terminal
    // cannot give back.
    CMiniFamilyReadSession(CTerminal& terminal, bool openSession,
                           const SettingsType& settings = {});
    // From the settings file at path (code page 932 path as the tool holds it, or UTF-8 on the
    // command line: the bytes are used as they are).
    explicit CMiniFamilyReadSession(std::string filePath, const SettingsType& settings = {});
    // From a settings file already read (ReadAnySettingsFile).
    explicit CMiniFamilyReadSession(SettingsFileText file, const SettingsType& settings = {});
    ~CMiniFamilyReadSession() override;

    bool FromFile() const { return terminal_ == nullptr; }

    // Valid once Finished(): true when the values were taken (completed, or warnings only).
    bool Loaded() const { return loaded_; }
    const SettingsType& Settings() const { return settings_; }
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
    // The file once read; read by Run() when the session was given a path.
    std::optional<SettingsFileText> file_;
    std::string fileText_;
    SettingsType settings_;
    std::vector<std::string> warnings_;
    bool loaded_ = false;
};

extern template class CMiniFamilyReadSession<MiniEdition>;
extern template class CMiniFamilyReadSession<MiniSxEdition>;

using CMiniReadSession = CMiniFamilyReadSession<MiniEdition>;
using CMiniSxReadSession = CMiniFamilyReadSession<MiniSxEdition>;

}  // namespace morvik
