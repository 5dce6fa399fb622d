#include "files/SlimSettingsFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "link/PartialFile.h"
#include "model/SlimRecords.h"
#include "model/TextExtract.h"
#include "morvik/Version.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::string_view kLineEnd = "\r\n";
// Room for the "ver" line's version text, far more than any version this program carries.
constexpr std::size_t kVersionAllowance = 64;
// The transfer escape turns one byte into at most two ("\s", "\\", CR LF into "\r\n").
constexpr std::size_t kEscapeGrowth = 2;
// The decimal values: func one digit, que and disp at most two.
constexpr std::size_t kNumberDigits = 2;
// Kind character and two length digits per text field.
constexpr std::size_t kKindLength = 1;
constexpr std::size_t kLengthDigits = 2;

std::size_t RecordLimit(std::initializer_list<int> fieldLimits, std::size_t fixedBytes) {
    std::size_t bytes = kKindLength + fixedBytes;
    for (int limit : fieldLimits) {
        bytes += kLengthDigits + kEscapeGrowth * static_cast<std::size_t>(limit);
    }
    return bytes;
}

// The longest escaped record of any kind. The Toruca icon is four places; a one-digit icon
// stands as three escaped spaces and the digit.
std::size_t LongestEscapedRecord() {
    namespace l = slim_limits;
    const std::size_t browser = RecordLimit({l::kBrowserUrl, l::kBrowserMessage}, 0);
    const std::size_t toruca =
        RecordLimit({l::kTorucaDetailUrl, l::kTorucaData1, l::kTorucaData2, l::kTorucaData3},
                    kEscapeGrowth * l::kTorucaIcon);
    const std::size_t mailer = RecordLimit(
        {l::kMailerTo, l::kMailerCc, l::kMailerSubject, l::kMailerBody, l::kMailerMessage}, 0);
    return std::max({browser, toruca, mailer});
}

std::size_t LineLength(SlimKey key, std::size_t valueLength) {
    return SlimKeyText(key).size() + 1 + valueLength + kLineEnd.size();
}

const std::string& Header() {
    return res::TextCp932(ids::kSlimFileHeader);
}

void AppendLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key);
    text.push_back(' ');
    text.append(value);
    text.append(kLineEnd);
}

}  // namespace

std::size_t SlimSettingsFileLimit() {
    const std::size_t record = LongestEscapedRecord();
    return Header().size() + kLineEnd.size() + res::TextCp932(ids::kKeyVer).size() + 1 +
           kVersionAllowance + kLineEnd.size() + LineLength(SlimKey::Func, kNumberDigits) +
           LineLength(SlimKey::Que, kNumberDigits) + LineLength(SlimKey::Psh1, record) +
           LineLength(SlimKey::Psh2, record) + LineLength(SlimKey::Disp, kNumberDigits);
}

std::string SlimSettingsFileText(const SlimSettings& values, SlimFunction function,
                                 std::string_view toolVersion) {
    std::string text = Header();
    text.append(kLineEnd);
    AppendLine(text, res::TextCp932(ids::kKeyVer), toolVersion);
    for (const auto& [key, value] : SlimFileSequence(values, function)) {
        AppendLine(text, SlimKeyText(key), value);
    }
    return text;
}

bool SaveSlimSettingsFile(const std::string& path, const SlimEditorState& state) {
    const std::string text =
        SlimSettingsFileText(BuildSlimSettings(state), state.function, kProgramVersion);
    PartialFile file;
    return file.Create(path) && file.Append(text) && file.Commit();
}

SlimFileText ReadSlimSettingsFile(const std::string& path) {
    SlimFileText result;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        result.status = SlimFileStatus::OpenFailed;
        return result;
    }
    // Read at most one byte past the limit: enough to tell an oversized file without taking
    // in whatever a wrong choice of file holds.
    const std::size_t limit = SlimSettingsFileLimit();
    std::string bytes(limit + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        result.status = SlimFileStatus::OpenFailed;
        return result;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > limit) {
        result.status = SlimFileStatus::TooLarge;
        return result;
    }
    bytes.append(kLineEnd);
    if (!HasSlimHeader(bytes)) {
        result.status = SlimFileStatus::NoHeader;
        return result;
    }
    result.status = SlimFileStatus::Ok;
    result.text = std::move(bytes);
    return result;
}

bool HasSlimHeader(std::string_view text) {
    return FindCharacterWise(text, Header()) != std::string_view::npos;
}

std::string SlimFileValue(std::string_view text, SlimKey key) {
    const std::string value = ValueBetweenMarkers(text, SlimKeyText(key) + " ", kLineEnd);
    return TrimRight(value, kLineEnd);
}

}  // namespace morvik
