#include "sim/Edition.h"

#include <algorithm>
#include <map>

namespace morvik::sim {
namespace {

// A browser launch record: kind 0, URL length 0x16, message length 0x0a, the URL and the
// message "Touch here" (its space travels escaped).
constexpr const char* kBrowserRecord = "0160ahttp://www.example.jp/Touch\\shere";
// A mailer launch record (au/SoftBank/WILLCOM group only): To "info@example.jp", subject "Hello".
constexpr const char* kMailerRecord = "20f00050000info@example.jpHello";

// The lamp codes of the blue preset for one set, and dark periodic guidance lamps.
const std::map<std::string, std::string, std::less<>> kLampFactory = {
    {"lov", "0A99999999990000000000"}, {"lnv", "14AA00AA00AA00AA00AA00"},
    {"liv", "8D00009000000000000000"}, {"lob", "0A11111111110000000000"},
    {"lnb", "1422002200220022002200"}, {"lib", "8D00001000000000000000"},
    {"lpv", "0000000000000000000000"}, {"lpb", "0000000000000000000000"},
};

const std::vector<std::string> kMiniKeys = {
    "psA1", "psA2", "psB1", "psB2", "que1", "que2", "rslt", "fchg", "tlog", "pow",  "rtcc",
    "pnt",  "pntT", "isc",  "sov1", "snv1", "spv1", "sob1", "snb1", "spb1", "sov2", "snv2",
    "spv2", "sob2", "snb2", "spb2", "lov1", "lnv1", "liv1", "lpv1", "lob1", "lnb1", "lib1",
    "lpb1", "lov2", "lnv2", "liv2", "lpv2", "lob2", "lnb2", "lib2", "lpb2"};

const std::vector<std::string> kMiniSxKeys = {
    "psA1", "psA2", "psB1", "psB2", "que1", "que2", "fchg", "rtcc", "smp",
    "nfc",  "nque", "sov1", "snv1", "sob1", "snb1", "sov2", "sob2", "lov1",
    "lnv1", "liv1", "lob1", "lnb1", "lib1", "lov2", "lob2"};

const std::vector<std::string> kSlimKeys = {"func", "psh1", "psh2", "que", "disp", "dpsw"};

const Edition kEditions[] = {
    {EditionId::Slim, "slim", "ZRT410N", "config slim", "2.10", false, false, false, kSlimKeys},
    {EditionId::Mini, "mini", "ZRT450", "config mini", "1.20", true, true, false, kMiniKeys},
    {EditionId::MiniS, "minis", "ZRT450S", "config mini", "3.10", true, true, false, kMiniKeys},
    {EditionId::MiniSx, "minisx", "ZRT450SX", "config mini", "4.05", true, false, true,
     kMiniSxKeys},
};

// Sound entry numbers of the standard sounds (mini_ok 0, mini_ng 1, kel_fin 2), 255 for none.
const std::map<std::string, std::string, std::less<>> kSoundFactory = {
    {"sov1", "0"}, {"snv1", "1"}, {"spv1", "255"}, {"sob1", "0"}, {"snb1", "1"}, {"spb1", "255"},
    {"sov2", "2"}, {"snv2", "1"}, {"spv2", "255"}, {"sob2", "0"}, {"snb2", "1"}, {"spb2", "255"},
};

const std::map<std::string, std::string, std::less<>> kOtherFactory = {
    {"psA1", kBrowserRecord},
    {"psB1", kBrowserRecord},
    {"psA2", kBrowserRecord},
    {"psB2", kMailerRecord},
    {"que1", "0"},
    {"que2", "0"},
    {"rslt", "0"},
    {"fchg", "0"},
    {"tlog", "0"},
    {"pow", "2"},
    {"rtcc", "1"},
    {"pnt", "0"},
    {"pntT", "0930180003"},
    {"isc", "1234"},
    {"smp", "1"},
    {"nfc", "0"},
    {"nque", "0"},
    {"func", "0"},
    {"psh1", kBrowserRecord},
    {"psh2", ""},
    {"que", "0"},
    {"disp", "0"},
    {"dpsw", "0"},
};

bool OneOf(std::string_view key, std::initializer_list<std::string_view> keys) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

bool Edition::HasKey(std::string_view key) const {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::string Edition::FactoryValue(std::string_view key) const {
    if (auto it = kSoundFactory.find(key); it != kSoundFactory.end()) {
        return it->second;
    }
    if (key.size() == 4 && key[0] == 'l') {
        if (auto it = kLampFactory.find(key.substr(0, 3)); it != kLampFactory.end()) {
            return it->second;
        }
    }
    if (auto it = kOtherFactory.find(key); it != kOtherFactory.end()) {
        return it->second;
    }
    return {};
}

std::string Edition::FactoryNdef() const {
    return ndef ? "http://www.example.jp/nfc" : "";
}

const Edition& EditionOf(EditionId id) {
    for (const auto& e : kEditions) {
        if (e.id == id) {
            return e;
        }
    }
    return kEditions[1];
}

std::optional<EditionId> EditionByName(std::string_view name) {
    for (const auto& e : kEditions) {
        if (name == e.name) {
            return e.id;
        }
    }
    return std::nullopt;
}

bool IsTextChecksumKey(std::string_view key) {
    return OneOf(key, {"psh1", "psh2", "psA1", "psB1", "psA2", "psB2", "pntT"});
}

bool IsHexChecksumKey(std::string_view key) {
    return OneOf(key, {"lov1", "lnv1", "liv1", "lpv1", "lob1", "lnb1", "lib1", "lpb1", "lov2",
                       "lnv2", "liv2", "lpv2", "lob2", "lnb2", "lib2", "lpb2"});
}

bool IsFunctionRecordKey(std::string_view key) {
    return OneOf(key, {"psA1", "psB1", "psA2", "psB2"});
}

}  // namespace morvik::sim
