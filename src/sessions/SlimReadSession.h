#pragma once
// The Slim read session: fills a Slim editor state from a terminal (one "pget" per setting) or
// from a Slim settings file.
//
// From a terminal every failed check of a value becomes a warning: the state is still filled and
// the session ends failed with WarningsOnly() and the warnings as its error text (each followed
// by CR LF). From a file any failed check refuses the whole file, with an empty error text that
// the caller reports as 914, as it does for an oversized file or one without the Slim header.
// A reply that is not a success ends the read with 904; a file that cannot be opened with 907.

#include <optional>
#include <string>

#include "files/SlimSettingsFile.h"
#include "model/SlimCatalogue.h"
#include "model/SlimSettings.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// What a read makes of the five values it fetched: nothing when one of them is a failed reply
// (the read ends with 904), otherwise the decoded state with the message of every failed check.
std::optional<SlimDecoded> DecodeSlimRead(const SlimSettings& values);

class CSlimReadSession : public CSessionWorker {
  public:
    // From a terminal whose command session is open. The caller ends the exchange (disconnects)
    // once the session has finished.
    explicit CSlimReadSession(CTerminal& terminal);
    // From the Slim settings file at filePath ...
    explicit CSlimReadSession(std::string filePath);
    // ... or from a file already read (SlimSettingsFileOf, SlimSettingsFileFromBytes).
    explicit CSlimReadSession(SlimFileText file);
    ~CSlimReadSession() override;

    bool FromFile() const { return terminal_ == nullptr; }

    // Valid once Finished(): the five values as read (escaped, as they travel) ...
    const SlimSettings& Values() const { return values_; }
    // ... and, when Loaded(), the state they stand for. Loaded() is true after a read that
    // completed or ended with warnings only; the caller shows the state in both cases.
    bool Loaded() const { return loaded_; }
    const SlimEditorState& State() const { return state_; }
    // A file read: the whole file text (its bytes followed by CR LF).
    const std::string& FileText() const { return fileText_; }

  protected:
    void Run() override;

  private:
    bool ReadFile();
    std::string GetValue(SlimKey key) const;

    CTerminal* terminal_ = nullptr;
    std::string filePath_;
    // The file once read; read by Run() when the session was given a path.
    std::optional<SlimFileText> file_;
    std::string fileText_;
    SlimSettings values_;
    SlimEditorState state_;
    bool loaded_ = false;
};

}  // namespace morvik
