// Function records as a terminal answers them or a settings file holds them, for both phone
// groups of the Mini family and for the Slim's three record kinds. Any text is cut into fields
// without reading past its end; a record that passes every field rule reads back the same after
// the tool has written it again. The escaping that every free text travels in is taken along.

#include <type_traits>

#include "FuzzSupport.h"
#include "model/Escape.h"
#include "model/FunctionRecordBuild.h"
#include "model/FunctionRecordParse.h"
#include "model/FunctionRecordValidate.h"
#include "model/SlimRecords.h"

using namespace morvik;

namespace {

// The category icon is a hexadecimal number: the tool writes it in upper case and without a "0x"
// in front, whatever form it was read in; both forms mean the same icon.
FunctionRecord IconAsWritten(FunctionRecord record) {
    if (auto* toruca = std::get_if<TorucaRecord>(&record)) {
        toruca->categoryIcon = NormalizeCategoryIcon(toruca->categoryIcon);
    }
    return record;
}

template <typename Record>
Record IconAsWritten(Record record) {
    if constexpr (std::is_same_v<Record, SlimTorucaRecord>) {
        record.categoryIcon = SlimIconForRecord(record.categoryIcon);
    }
    return record;
}

void MiniRecord(std::string_view text, PhoneGroup group, bool roundTrip) {
    const std::optional<FunctionRecord> record = ParseRecord(text, group);
    if (!record) {
        return;
    }
    fuzz::Require(KindAllowed(KindOf(*record), group), "a parsed record is one its group offers");
    bool clean = false;
    for (QueryChoice query :
         {QueryChoice::AppendEncrypted, QueryChoice::AppendPlain, QueryChoice::None}) {
        clean = ValidateRecord(*record, query).empty() || clean;
    }
    if (!clean || !roundTrip) {
        return;
    }
    const std::optional<FunctionRecord> again =
        ParseRecord(BuildRecord(*record, RecordTarget::File), group);
    fuzz::Require(again.has_value() && IconAsWritten(*again) == IconAsWritten(*record),
                  "a sound record survives being written to a file and read back");
}

template <typename Record>
void SlimRecord(std::string_view text, Record (*parse)(std::string_view), bool roundTrip) {
    const Record record = parse(text);
    std::vector<std::string> messages;
    CheckReadSlimRecord(record, messages);
    if (!messages.empty() || !roundTrip) {
        return;
    }
    const Record again = parse(TransferEscape(BuildSlimRecord(record)));
    fuzz::Require(IconAsWritten(again) == IconAsWritten(record),
                  "a sound Slim record survives being written and read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    // The round trips hold for text a person can type. Damaged bytes (a lead byte followed by a
    // byte that cannot end a character, such as a space) are not walked alike by the escape and
    // the unescape; they only need to be read without harm.
    const bool typable = fuzz::IsValidCp932(text);
    MiniRecord(text, PhoneGroup::Docomo, typable);
    MiniRecord(text, PhoneGroup::Other, typable);
    SlimRecord<BrowserRecord>(text, ParseSlimBrowserRecord, typable);
    SlimRecord<SlimTorucaRecord>(text, ParseSlimTorucaRecord, typable);
    SlimRecord<MailerRecord>(text, ParseSlimMailerRecord, typable);

    if (typable) {
        fuzz::Require(Unescape(TransferEscape(text)) == text,
                      "the transfer escape gives back the text it carried");
    }
    (void)CheckEscape(text);
    return 0;
}
