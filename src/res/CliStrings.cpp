// The command-line tool's own texts (usage, option help, its messages): numbers 3000-3999.
// The system's texts (res/StringIds.h) are shared, not repeated here. Keep the list sorted by
// number; the table merges it with the system's entries on first use.

#include <vector>

#include "res/Strings.h"

namespace morvik::res {

std::span<const StringEntry> CliEntries() {
    static const std::vector<StringEntry> kEntries = {
        // {3000, "..."},
    };
    return kEntries;
}

}  // namespace morvik::res
