#pragma once
// Building the record text of a function record.
//
// A record is the kind character, one "%02x" length per variable field (bytes of the unescaped
// text) and the fields back to back; a Toruca record also has four fixed-width fields (category
// icon "%04s", kana ID "%04s", redistribution/update ID "%02s", colour ID "%02s") between its
// lengths and its texts.
//
// The two targets differ:
//  - For a terminal write the record is built from the plain texts; the set command escapes the
//    whole record as one value when it sends it. Empty Toruca identifiers get the terminal's
//    defaults: kana ID "アア", redistribution/update ID "4", colour ID "1".
//  - For a settings file the free-text fields are escaped one by one (browser: message; mailer:
//    all five; application: code and parameter; Toruca: data 1 to 3) before they are put in the
//    record; URLs, IP-ID and the fixed fields go in as they are, and empty identifiers stay empty
//    (the padding spaces fill their fields). A Mini-family terminal answers its records in this
//    form too.

#include <string>
#include <string_view>

#include "model/FunctionRecord.h"

namespace morvik {

enum class RecordTarget { Terminal, File };

std::string BuildRecord(const FunctionRecord& record, RecordTarget target);

// The fixed Toruca fields as they go into a record: the category icon in upper case, and when
// it begins with "0X" only what follows up to the first space; the identifiers in upper case.
// Exposed for the editors, which show what will be written.
std::string NormalizeCategoryIcon(std::string_view icon);

// Upper case of the ASCII letters of a code page 932 text; the trail bytes of double-byte
// characters (which may fall in 'a'..'z') are left alone.
std::string UpperCp932(std::string_view text);

}  // namespace morvik
