#pragma once
// Columns of UTF-8 text lined up for a terminal, where a Chinese character takes two cells.

#include <ostream>
#include <string>
#include <vector>

namespace hm3300::cli {

class TextTable {
public:
    void addRow(std::vector<std::string> cells);
    // Every column padded to its widest cell, two blanks apart, `indent` blanks in front.
    void print(std::ostream& out, std::size_t indent = 0) const;

private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace hm3300::cli
