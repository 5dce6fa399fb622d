#pragma once
// An output file that only appears under its name when it is complete. The bytes go to a
// temporary file beside the target; Commit renames it over the target, and destruction without
// Commit deletes it. A transfer that fails half-way therefore leaves nothing behind, and the file
// that was there before stays as it was.

#include <string>
#include <string_view>

namespace morvik {

class PartialFile {
  public:
    PartialFile() = default;
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // Creates the temporary file. False when the target's folder cannot take a new file or an
    // existing target may not be written.
    bool Create(const std::string& target);
    bool Append(std::string_view bytes);
    // Flushes, closes and puts the file in place. False (and nothing in place) on any failure.
    bool Commit();
    // Closes and deletes the temporary file.
    void Discard();

  private:
    int fd_ = -1;
    std::string target_;
    std::string temp_;
};

}  // namespace morvik
