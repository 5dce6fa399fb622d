#pragma once
// What the settings commands (read, write, easy, service) share: opening a terminal and telling
// its edition, leaving it again the way its family expects, and running a session worker to its
// end with a progress bar on standard error (when that is a terminal) and an interrupt asking
// the worker to stop.
//
// A command branches on the edition OpenForSettings gives:
//
//   const std::optional<EditionCode> code = OpenForSettings(terminal);
//   if (!code) return kExitFailure;                      // the reason has been shown
//   switch (*code) {
//       case kEditionMini: return ReadMini(...);
//       default:           return NotThisEdition(terminal, *code);
//   }

#include <functional>
#include <optional>

#include "cli/CliJson.h"
#include "protocol/Edition.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik::cli {

// Connects, opens a command session and identifies the terminal; the session stays open. With
// --json the terminal's edition and ID go into the JSON object's "terminal".
// Nothing, with the port closed again, when the port or the session could not be opened (the
// reporter has said why), or when the command was interrupted meanwhile (the terminal has been
// left again). kEditionNone when the terminal's reply names no edition.
std::optional<EditionCode> OpenForSettings(CTerminal& terminal);

// The edition's name in JSON: "slim", "mini" (the Mini and MiniS), "minisx"; null for none.
Json EditionCodeName(EditionCode code);

// Leaves a terminal whose session is open: a Slim is sent "exit", any other is restarted with
// "reboot s"; then the port is closed.
void LeaveTerminal(CTerminal& terminal, EditionCode code);

// Leaves the terminal and reports 386: the command or file is not for this edition.
int NotThisEdition(CTerminal& terminal, EditionCode code);

// Starts the session on its worker thread and polls it every 100 ms until it has finished,
// drawing the bar under the session's title. tick, when given, is called every 150 ms meanwhile
// (the sound upload's progress). An interrupt (CliInterrupt.h) requests the session to stop.
void RunSession(CSessionWorker& session, const std::function<void()>& tick = {});

// The JSON object's "outcome" of a write: "written", "refused" (nothing was sent, or the terminal
// was left at once), "failed" or "interrupted".
void SetOutcome(const char* outcome);

// How a session that did not complete ends the command, once the terminal has been left: after
// an interrupt the cancelled text and kExitInterrupted; otherwise the session's error text (or
// fallback, UTF-8, when it has none) and kExitFailure.
int FailedSession(const CSessionWorker& session, const std::string& fallback);

}  // namespace morvik::cli
