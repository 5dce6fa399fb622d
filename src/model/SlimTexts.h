#pragma once
// The texts the Slim editor shows about its function and its records (code page 932).

#include <string>

#include "model/SlimSettings.h"

namespace morvik {

// The function list entry: "機能1" to "機能4".
std::string SlimFunctionLabel(SlimFunction function);

// The name of a record kind: "ブラウザ起動", "トルカ配布", "メーラ起動".
const std::string& SlimKindName(SlimRecordKind kind);

// The two summary lines: "NTTドコモ：" and "その他：" with the record kinds of the function.
std::string SlimDocomoSummary(SlimFunction function);
std::string SlimOthersSummary(SlimFunction function);

// The description line under the function list.
const std::string& SlimFunctionDescription(SlimFunction function);

// A record's size line: "sum / capacity Bytes".
std::string SlimSizeText(int sum, int capacity);

}  // namespace morvik
