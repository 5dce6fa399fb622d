#include <system_error>

#include "model/SoundSlots.h"

namespace morvik {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && self.has_parent_path()) {
        return self.parent_path();
    }
    return std::filesystem::current_path(error);
}

}  // namespace morvik
