#pragma once
// A table of text for the terminal: the first column aligned left, the others right, columns
// two spaces apart, widths counted as a terminal shows them (a full-width character takes two
// columns).

#include <string>
#include <string_view>
#include <vector>

namespace morvik::cli {

// The columns a UTF-8 text takes on a terminal.
std::size_t DisplayWidth(std::string_view utf8);

class TextTable {
  public:
    explicit TextTable(std::vector<std::string> header) { rows_.push_back(std::move(header)); }
    void Add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    // Every row, each ended by a line end.
    std::string Render() const;

  private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace morvik::cli
