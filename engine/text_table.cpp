#include "engine/text_table.h"

namespace velloc {
namespace {

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        std::size_t tab = line.find('\t');
        std::string field(line.substr(0, tab));
        fields.push_back(field == "-" ? std::string() : field);
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

}  // namespace

bool TextTable::Parse(std::string_view text, std::string* error) {
    columns_.clear();
    rows_.clear();
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitTabs(line);
        if (columns_.empty()) {
            columns_ = std::move(fields);
            continue;
        }
        if (fields.size() != columns_.size()) {
            if (error)
                *error = "line " + std::to_string(number) + ": " + std::to_string(fields.size()) + " fields for " +
                         std::to_string(columns_.size()) + " columns";
            return false;
        }
        rows_.push_back(std::move(fields));
    }
    if (columns_.empty()) {
        if (error) *error = "no column names";
        return false;
    }
    return true;
}

int TextTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == name) return static_cast<int>(i);
    return -1;
}

const std::string& TextTable::Field(std::size_t row, int column) const {
    static const std::string kEmpty;
    if (row >= rows_.size() || column < 0 || static_cast<std::size_t>(column) >= columns_.size()) return kEmpty;
    return rows_[row][static_cast<std::size_t>(column)];
}

int TextTable::Number(std::size_t row, int column) const {
    int value = 0;
    for (char c : Field(row, column)) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace velloc
