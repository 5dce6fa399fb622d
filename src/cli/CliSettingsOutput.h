#pragma once
// Where `morvik read` puts the settings it read: the settings file at the path given, or, for
// "-", standard output (the file's bytes as they would be saved; with --json only the JSON
// object). With --json the settings also go into the object's "settings", one key per line of
// the file, in its order, each value as the terminal holds it.

#include <string>
#include <vector>

namespace morvik::cli {

// The operand that means standard output.
inline constexpr const char* kStandardOutput = "-";

// Delivers the text of a settings file (code page 932, as the edition's file writer makes it),
// prints the warnings of the read (code page 932) and the saved line. Returns kExitOk,
// exitWarnings when there were warnings, or kExitFailure (the message printed) when the file
// could not be written.
int DeliverSettings(const std::string& path, const std::string& fileText,
                    const std::vector<std::string>& warnings, int exitWarnings);

}  // namespace morvik::cli
