#include "support/Files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/Cp932.h"

namespace morvik::test {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string Sjis(std::string_view utf8) {
    return Utf8ToCp932(utf8).value();
}

}  // namespace morvik::test
