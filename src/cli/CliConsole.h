#pragma once
// What the program's console needs before the first line is printed.

namespace morvik::cli {

// The command-line tool prints UTF-8. A Unix terminal takes it as it is; a Windows console is
// switched to UTF-8 for the run.
void PrepareConsole();

}  // namespace morvik::cli
