// The desktop tool's own texts (labels and messages of its windows): numbers 4000-4999.
// The system's texts (res/StringIds.h) are shared, not repeated here. Keep the list sorted by
// number; the table merges it with the system's entries on first use.

#include <vector>

#include "res/Strings.h"

namespace morvik::res {

std::span<const StringEntry> AppEntries() {
    static const std::vector<StringEntry> kEntries = {
        // {4000, "..."},
    };
    return kEntries;
}

}  // namespace morvik::res
