#pragma once
// An output file that only appears under its name when it is complete. The bytes go to a
// temporary file beside the target; Commit renames it over the target, and destruction without
// Commit deletes it. A transfer that fails half-way therefore leaves nothing behind, and the file
// that was there before stays as it was.
//
// Only a regular file is ever replaced: a target that exists as anything else (a device, a FIFO,
// a folder) is refused, so that a save can never turn /dev/null into a file. A symbolic link is
// followed and the file it names is replaced; the link stays. A replaced file keeps its mode (a
// 0600 settings file holds the packed authentication code); a new file gets the user's default.

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
    // existing target may not be written (or is not a regular file).
    bool Create(const std::string& target);
    bool Append(std::string_view bytes);
    // Flushes, closes and puts the file in place. False (and nothing in place) on any failure.
    bool Commit();
    // Closes and deletes the temporary file.
    void Discard();
    // After Append or Commit failed: whether it was for want of space (a full disk, a quota or a
    // file size limit), which the caller can name instead of a plain file failure.
    bool DiskFull() const { return diskFull_; }

    // Whether Create would succeed, leaving nothing behind: asked before any work on the
    // terminal, so that a save that cannot be done is refused before it starts.
    static bool CanCreate(const std::string& target);

  private:
    // Notes a failed write call: errno tells whether the disk was full.
    void NoteWriteFailure();

    int fd_ = -1;
    bool diskFull_ = false;
    std::string target_;
    std::string temp_;
};

}  // namespace morvik
