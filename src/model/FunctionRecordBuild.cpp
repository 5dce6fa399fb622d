#include "model/FunctionRecordBuild.h"

#include <cstdio>

#include "model/Cp932.h"
#include "model/Escape.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Identifiers a terminal needs in every Toruca record; the editor leaves them empty by default.
constexpr const char* kDefaultRedistributionId = "4";
constexpr const char* kDefaultColorId = "1";

// Two lower-case hexadecimal digits of a field length. The field limits keep every length
// below 256; a longer text (which validation refuses) is written with more digits rather than
// silently truncated.
void AppendLength(std::string& out, size_t length) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02zx", length);
    out += buffer;
}

// printf's "%<width>s": right-aligned, padded on the left with spaces, never cut.
void AppendRightAligned(std::string& out, std::string_view text, size_t width) {
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
    out += text;
}

struct Builder {
    RecordTarget target;

    // A free-text field: escaped on its own for a file, plain for a terminal.
    std::string Free(const std::string& text) const {
        return target == RecordTarget::File ? TransferEscape(text) : text;
    }

    std::string operator()(const BrowserRecord& r) const {
        std::string out(1, static_cast<char>(RecordKind::Browser));
        AppendLength(out, r.url.size());
        AppendLength(out, r.message.size());
        return out + r.url + Free(r.message);
    }

    std::string operator()(const MailerRecord& r) const {
        std::string out(1, static_cast<char>(RecordKind::Mailer));
        for (const auto* field : {&r.to, &r.cc, &r.subject, &r.body, &r.message}) {
            AppendLength(out, field->size());
        }
        return out + Free(r.to) + Free(r.cc) + Free(r.subject) + Free(r.body) + Free(r.message);
    }

    std::string operator()(const ApplicationRecord& r) const {
        std::string out(1, static_cast<char>(RecordKind::Application));
        AppendLength(out, r.url.size());
        AppendLength(out, r.code.size());
        AppendLength(out, r.parameter.size());
        return out + r.url + Free(r.code) + Free(r.parameter);
    }

    std::string operator()(const TorucaRecord& r) const {
        std::string out(1, static_cast<char>(RecordKind::Toruca));
        for (const auto* field : {&r.detailUrl, &r.data1, &r.data2, &r.data3, &r.ipId}) {
            AppendLength(out, field->size());
        }
        std::string kana = UpperCp932(r.kanaId);
        std::string redistribution = UpperCp932(r.redistributionId);
        std::string color = UpperCp932(r.colorId);
        if (target == RecordTarget::Terminal) {
            if (kana.empty()) {
                kana = res::TextCp932(res::ids::kDefaultKanaId);  // "アア"
            }
            if (redistribution.empty()) {
                redistribution = kDefaultRedistributionId;
            }
            if (color.empty()) {
                color = kDefaultColorId;
            }
        }
        AppendRightAligned(out, NormalizeCategoryIcon(r.categoryIcon), 4);
        AppendRightAligned(out, kana, 4);
        AppendRightAligned(out, redistribution, 2);
        AppendRightAligned(out, color, 2);
        return out + r.detailUrl + Free(r.data1) + Free(r.data2) + Free(r.data3) + r.ipId;
    }
};

}  // namespace

std::string BuildRecord(const FunctionRecord& record, RecordTarget target) {
    return std::visit(Builder{target}, record);
}

std::string NormalizeCategoryIcon(std::string_view icon) {
    std::string upper = UpperCp932(icon);
    if (upper.starts_with("0X")) {
        std::string rest = upper.substr(2);
        return rest.substr(0, rest.find(' '));
    }
    return upper;
}

std::string UpperCp932(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsCp932LeadByte(c)) {
            ++i;  // skip the trail byte
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

}  // namespace morvik
