#include "cli/CliConsole.h"

#include <windows.h>

namespace morvik::cli {

void PrepareConsole() {
    // Without a console (output to a file or a pipe) these fail harmlessly; the bytes stay UTF-8.
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
}

}  // namespace morvik::cli
