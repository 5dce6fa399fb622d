#pragma once
// Whole-file reads and writes for tests, and code page 932 text written as UTF-8 in the source.

#include <string>
#include <string_view>

namespace morvik::test {

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Replaces the file with bytes.
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// UTF-8 text as the code page 932 bytes the terminals and files use; throws when the text has
// a character outside code page 932 (a mistake in the test).
std::string Sjis(std::string_view utf8);

}  // namespace morvik::test
