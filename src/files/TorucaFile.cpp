#include "files/TorucaFile.h"

#include <cstdio>

#include "link/RegularFile.h"
#include "model/Escape.h"
#include "model/FunctionRecordValidate.h"
#include "model/Pack.h"
#include "model/TextExtract.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
namespace lim = record_limits;

constexpr const char* kLineEnd = "\r\n";
// A category icon is a 16-bit number shown as four hex digits.
constexpr size_t kCategoryIconDigits = 4;

TorucaFileResult Refused(int message) {
    return {std::nullopt, res::TextCp932(message)};
}

// The value of a key: the text between the key, one space, and the next CR LF.
std::string ValueOf(std::string_view text, int keyId) {
    return ValueBetweenMarkers(text, res::TextCp932(keyId) + " ", kLineEnd);
}

// Hexadecimal digits of a category icon after its optional "0x" prefix (up to the first space)
// and without leading zeros; a longer number does not fit the icon's four digits.
bool FitsCategoryIcon(std::string_view text) {
    if (text.starts_with("0X") || text.starts_with("0x")) {
        text.remove_prefix(2);
        text = text.substr(0, text.find(' '));
    }
    size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos || text.size() - first <= kCategoryIconDigits;
}

// A Base64 data field: decoded, it must be device text once line breaks and spaces are
// escaped, and hold at most limit bytes.
std::optional<std::string> DataField(std::string_view text, int keyId, int limit) {
    std::optional<std::string> decoded = Base64Decode(ValueOf(text, keyId));
    if (!decoded || !IsDeviceText(CheckEscape(*decoded)) ||
        decoded->size() > static_cast<size_t>(limit)) {
        return std::nullopt;
    }
    return decoded;
}

bool AtMost(std::string_view value, int limit) {
    return value.size() <= static_cast<size_t>(limit);
}

}  // namespace

TorucaFileResult ParseTorucaFile(std::string_view content) {
    if (content.size() > kTorucaFileMaxSize) {
        return Refused(ids::kTorucaFileInvalid);
    }
    // The last line counts even without its line end.
    const std::string text = std::string(content) + kLineEnd;

    if (ValueOf(text, ids::kTrcType) != res::TextCp932(ids::kTrcTypeSnip)) {
        return Refused(ids::kTorucaFileInvalid);
    }
    TorucaRecord r;
    r.detailUrl = ValueOf(text, ids::kTrcUrl);
    if (r.detailUrl.empty() || !AtMost(r.detailUrl, lim::kTorucaDetailUrl) ||
        !IsUrlText(r.detailUrl)) {
        return Refused(ids::kTorucaFileInvalid);
    }
    const std::string category = ValueOf(text, ids::kTrcCat);
    if (!IsHexadecimal(category) || !FitsCategoryIcon(category)) {
        return Refused(ids::kTorucaFileInvalid);
    }
    char icon[16];
    std::snprintf(icon, sizeof icon, "%04x", static_cast<unsigned>(HexValue(category)));
    r.categoryIcon = icon;

    auto data1 = DataField(text, ids::kTrcData1, lim::kTorucaData1);
    auto data2 = data1 ? DataField(text, ids::kTrcData2, lim::kTorucaData2) : std::nullopt;
    auto data3 = data2 ? DataField(text, ids::kTrcData3, lim::kTorucaData3) : std::nullopt;
    if (!data3) {
        return Refused(ids::kTorucaFileInvalid);
    }
    r.data1 = std::move(*data1);
    r.data2 = std::move(*data2);
    r.data3 = std::move(*data3);

    // The identifiers' characters are checked when the page is validated before a write.
    r.ipId = ValueOf(text, ids::kTrcIpId);
    r.kanaId = ValueOf(text, ids::kTrcSortId);
    r.redistributionId = ValueOf(text, ids::kTrcDist);
    r.colorId = ValueOf(text, ids::kTrcColorId);
    if (!AtMost(r.ipId, lim::kTorucaIpId) || !AtMost(r.kanaId, lim::kTorucaKanaId) ||
        !AtMost(r.redistributionId, lim::kTorucaRedistributionId) ||
        !AtMost(r.colorId, lim::kTorucaColorId)) {
        return Refused(ids::kTorucaFileInvalid);
    }
    return {std::move(r), {}};
}

TorucaFileResult ReadTorucaFile(const std::filesystem::path& path) {
    // One byte more than a Toruca file may hold tells a file that is too long, without reading
    // whatever large file was picked by mistake.
    const FileRead file = ReadRegularFile(path, kTorucaFileMaxSize + 1);
    if (file.status != FileReadStatus::Ok && file.status != FileReadStatus::TooLarge) {
        return Refused(ids::kFileOpenFailed);
    }
    return ParseTorucaFile(file.bytes);
}

}  // namespace morvik
