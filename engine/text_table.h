#pragma once
// The engine's knowledge as readable text: one table per file under engine/data,
// which the catalogue compiler stores in the catalogue and the engine reads back.
//
//   # comment lines start with '#'
//   column<TAB>column<TAB>...          the first other line names the columns
//   value<TAB>value<TAB>...            one row per line, as many fields as columns
//
// Text is Windows-1252 (the compiler converts the UTF-8 files). A field "-" stands
// for an empty value or "no"; "yes" is yes.
#include <string>
#include <string_view>
#include <vector>

namespace velloc {

class TextTable {
public:
    // False, with the line and what is wrong, when the text is not a sound table.
    bool Parse(std::string_view text, std::string* error);

    std::size_t Rows() const { return rows_.size(); }
    // The column's index, or -1 when the table has no such column.
    int Column(std::string_view name) const;
    // A field's text ("" for "-"); a missing column gives "".
    const std::string& Field(std::size_t row, int column) const;
    bool Flag(std::size_t row, int column) const { return Field(row, column) == "yes"; }
    int Number(std::size_t row, int column) const;

private:
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace velloc
