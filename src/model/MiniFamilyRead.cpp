// Reading a Mini-family settings model from values: the steps and messages every edition's read
// shares, for a terminal's replies and for a settings file alike. The edition adds its own pages
// and its lamps.

#include <array>

#include "model/MiniFamilyEdition.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// A value that is really a failure reply of the exchange: the read cannot go on, whatever the
// key. No stored value of these keys starts with one of these words.
bool IsFailureReply(std::string_view value) {
    for (int word : {ids::kReplyNoReply, ids::kReplyChecksumError, ids::kReplyError}) {
        if (value.starts_with(res::TextCp932(word))) {
            return true;
        }
    }
    return false;
}

void AddWarnings(std::vector<std::string>& to, std::vector<std::string> from) {
    for (std::string& line : from) {
        // Messages of the pages may come with the session's line end; the list holds them
        // without.
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        to.push_back(std::move(line));
    }
}

}  // namespace

std::string MiniValueOf(const MiniValues& values, int keyId) {
    auto it = values.find(res::TextCp932(keyId));
    return it == values.end() ? std::string() : it->second;
}

template <class Edition>
MiniReadResult ReadMiniFamilySettings(const MiniValues& values, MiniValueSource source,
                                      typename Edition::Settings& settings) {
    MiniReadResult result;
    for (int keyId : Edition::ReadKeyIds()) {
        if (IsFailureReply(MiniValueOf(values, keyId))) {
            result.error = res::TextCp932(ids::kReadFailed);
            return result;
        }
    }

    // Work on a copy: a read that ends half-way leaves the settings as they were.
    typename Edition::Settings next = settings;
    MiniOwnPagesRead own = Edition::ReadOwnPages(values, next);
    if (!own.error.empty()) {
        result.error = std::move(own.error);
        return result;
    }
    AddWarnings(result.warnings, std::move(own.firstWarnings));

    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        const MiniSetKeys& keys = kMiniSetKeys[set];
        std::optional<TorucaExtras> extras;
        if (source == MiniValueSource::File) {
            extras = TorucaExtras{MiniValueOf(values, keys.kanaId), MiniValueOf(values, keys.reId),
                                  MiniValueOf(values, keys.colorId)};
        }
        SetLoadResult loaded =
            LoadFunctionSet(next.sets[set], MiniValueOf(values, keys.psA),
                            MiniValueOf(values, keys.psB), MiniValueOf(values, keys.que), extras);
        if (!loaded.recordsReadable && source == MiniValueSource::File) {
            // A file whose record no page can show is not a settings file of this tool.
            result.error = res::TextCp932(ids::kSettingsFileInvalid);
            result.warnings.clear();
            return result;
        }
        AddWarnings(result.warnings, std::move(loaded.messages));
    }

    if (std::string lampWarning = Edition::ReadLamps(values, next); !lampWarning.empty()) {
        result.warnings.push_back(std::move(lampWarning));
    }

    // Sounds cannot be read back from a terminal: its sound keys only say which entry of the
    // uploaded image a slot plays, so reading one leaves the sound list alone.
    if (source == MiniValueSource::File) {
        const std::span<const int> pathKeyIds = Edition::SoundPathKeyIds();
        for (std::size_t slot = 0; slot < next.soundPaths.size(); ++slot) {
            next.soundPaths[slot] = MiniValueOf(values, pathKeyIds[slot]);
        }
        next.registerSounds = MiniValueOf(values, ids::kKeySoundRegist) == "1";
    }

    AddWarnings(result.warnings, std::move(own.lastWarnings));
    settings = std::move(next);
    return result;
}

template MiniReadResult ReadMiniFamilySettings<MiniEdition>(const MiniValues&, MiniValueSource,
                                                            MiniSettings&);
template MiniReadResult ReadMiniFamilySettings<MiniSxEdition>(const MiniValues&, MiniValueSource,
                                                              MiniSxSettings&);

MiniReadResult ReadMiniSettings(const MiniValues& values, MiniValueSource source,
                                MiniSettings& settings) {
    return ReadMiniFamilySettings<MiniEdition>(values, source, settings);
}

MiniReadResult ReadMiniSxSettings(const MiniValues& values, MiniValueSource source,
                                  MiniSxSettings& settings) {
    return ReadMiniFamilySettings<MiniSxEdition>(values, source, settings);
}

}  // namespace morvik
