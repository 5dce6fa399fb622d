#pragma once
// A command line as the parser found it: the options given (with their values) and the operands,
// in order. The parser has already checked them against the command's declaration: an option
// that takes a value has exactly one, and the operands are as many as the command declares.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvik::cli {

class CliArguments {
  public:
    // True when the option (flag or value) was given.
    bool Has(std::string_view option) const { return values_.find(option) != values_.end(); }
    // The option's value; nothing when it was not given.
    std::optional<std::string> Value(std::string_view option) const {
        const auto found = values_.find(option);
        if (found == values_.end() || found->second.empty()) {
            return std::nullopt;
        }
        return found->second.front();
    }
    // How often the option was given.
    size_t Count(std::string_view option) const {
        const auto found = values_.find(option);
        return found == values_.end() ? 0 : found->second.size();
    }
    const std::vector<std::string>& Operands() const { return operands_; }
    // The operand at index (declared, so present once parsing succeeded).
    const std::string& Operand(size_t index) const { return operands_.at(index); }

    void AddFlag(const std::string& option) { values_[option]; }
    void AddValue(const std::string& option, std::string value) {
        values_[option].push_back(std::move(value));
    }
    void AddOperand(std::string operand) { operands_.push_back(std::move(operand)); }

  private:
    std::map<std::string, std::vector<std::string>, std::less<>> values_;
    std::vector<std::string> operands_;
};

}  // namespace morvik::cli
