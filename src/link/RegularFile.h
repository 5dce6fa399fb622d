#pragma once
// Opening a file the tools read (settings, Toruca, wave, firmware, preferences), never blocking:
// a FIFO, a device or a terminal under the name (a preferences file replaced by /dev/tty, a FIFO
// picked in a file dialog, a COM port's name) must not hang the program, and only a regular file
// is read. Every reader of a file goes through ReadRegularFile, so the rule holds everywhere.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

namespace morvik {

enum class FileReadStatus {
    Ok,          // the whole file was read
    NotFound,    // nothing under the name (or a folder on the way is missing)
    CannotOpen,  // something is there but it is not a regular file, or it cannot be read
    TooLarge,    // a regular file longer than the bytes asked for
};

struct FileRead {
    FileReadStatus status = FileReadStatus::CannotOpen;
    // Ok: the whole file; TooLarge: its first maxBytes bytes; otherwise empty.
    std::string bytes;
    // The file's size as the system gave it when the file was opened (Ok and TooLarge).
    std::uint64_t size = 0;

    bool Ok() const { return status == FileReadStatus::Ok; }
};

// For the platform files: the result of a read that took up to maxBytes + 1 bytes of a file of
// the given size.
inline FileRead FinishedRead(std::string bytes, std::uint64_t size, std::size_t maxBytes) {
    FileRead result;
    result.size = size;
    result.status = bytes.size() > maxBytes ? FileReadStatus::TooLarge : FileReadStatus::Ok;
    bytes.resize(std::min(bytes.size(), maxBytes));
    result.bytes = std::move(bytes);
    return result;
}

// Reads at most maxBytes of the regular file at path (a symbolic link is followed). Whether the
// file is too large is judged on what is read, so a file that grows while it is read cannot slip
// past the limit. The caller reports CannotOpen with the open-failure text (907).
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace morvik
