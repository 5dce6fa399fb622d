#include "cli/CliConsole.h"

namespace morvik::cli {

void PrepareConsole() {}

}  // namespace morvik::cli
