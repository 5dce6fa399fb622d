#pragma once
// The sound image of the Mini family: every distinct wave file of the sound slots packed one
// after another behind a 4096-byte header and directory, as the terminal takes it with "x i 0 ".
// The terminal is told which directory entry each slot plays through the sound keys.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/WavCheck.h"

namespace morvik {

// Header and directory in front of the files.
inline constexpr std::size_t kSoundHeaderSize = 4096;
// Room for the files: the terminal's sound memory is 256 KiB including the header.
inline constexpr std::size_t kSoundDataLimit = 258048;
inline constexpr std::size_t kSoundImageCapacity = kSoundHeaderSize + kSoundDataLimit;
// Entries the image's directory holds (sixteen 16-byte entries behind the header fields).
inline constexpr std::size_t kSoundMaxEntries = 16;
// The sound key value of a slot without a file.
inline constexpr int kNoSoundKey = 255;

enum class SoundStatus {
    Ok,
    NotFound,     // a slot names a file that does not exist
    CannotOpen,   // a file cannot be opened or read
    SizeUnknown,  // a file's size cannot be taken
    Invalid,      // a file is not 8-bit mono PCM at 8 or 16 kHz, or is damaged
    TooLarge,     // the distinct files together exceed kSoundDataLimit, or they are more
                  // than the directory's kSoundMaxEntries
};

struct SoundImage {
    // The image as it is uploaded: kSoundHeaderSize plus the packed files.
    std::vector<std::uint8_t> bytes;
    int entries = 0;
    // The distinct non-empty paths in slot order; entry k holds the file of packedPaths[k].
    std::vector<std::string> packedPaths;
};

struct SoundPackResult {
    SoundStatus status = SoundStatus::Ok;
    std::string failedPath;  // the slot path that stopped packing
    SoundImage image;        // empty (no bytes, no entries) unless status is Ok
};

struct SoundSizeResult {
    SoundStatus status = SoundStatus::Ok;
    std::string failedPath;
    std::uint64_t total = 0;
};

// The distinct non-empty paths of the slots, in slot order (a path in several slots once).
std::vector<std::string> DistinctSoundPaths(std::span<const std::string> slotPaths);

// The total size of the distinct non-empty files. Status NotFound or CannotOpen when a file
// cannot be opened, SizeUnknown when its size cannot be taken.
SoundSizeResult TotalSoundSize(std::span<const std::string> slotPaths);

// True when the distinct files fit the terminal's sound memory.
inline bool FitsSoundMemory(std::uint64_t total) {
    return total <= kSoundDataLimit;
}

// The message for files that do not fit (339 with the limit in kilobytes), code page 932.
std::string SoundSizeLimitMessage();

// The message of a sound status that stops a write (code page 932): 907 for a file that cannot
// be opened or measured, 339 for files that do not fit, 116 for a missing or unusable file.
std::string SoundFailureText(SoundStatus status);

// Packs the slots' files (paths as held in the settings, code page 932; empty = no sound) into
// an image. Every file is checked first, and the whole is refused when it would not fit, so a
// failed pack never yields a partial image. Sample bytes are scaled to 230/256 of their value
// (the terminal's amplifier clips at full scale); header bytes are copied as they are.
SoundPackResult PackSounds(std::span<const std::string> slotPaths);

// The sound key value of each slot: the index of its path in packedPaths, 255 for an empty slot
// (or a path the image does not hold).
std::vector<int> SoundKeyValues(std::span<const std::string> slotPaths,
                                std::span<const std::string> packedPaths);

// The file system path of a sound path held in the settings (code page 932).
std::filesystem::path SoundFilePath(const std::string& cp932Path);

// The Check WAV verdict of a path held in the settings, as a sound status.
SoundStatus CheckSoundFile(const std::string& cp932Path);

}  // namespace morvik
