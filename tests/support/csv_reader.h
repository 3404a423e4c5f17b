#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace korva::test {

using CsvRow = std::vector<std::string>;

// Reads a spreadsheet file by the book: fields split at commas, a quoted
// field may hold commas, line ends and doubled quotes, every record ends in
// CR LF.  A bare line feed, a quote inside an unquoted field, text after a
// closing quote or an unterminated last record fails the test.
inline std::vector<CsvRow> readCsv(const std::string& text) {
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string cell;
    bool inQuotes = false, wasQuoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c != '"')
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else
                inQuotes = false;
        } else if (c == '"') {
            EXPECT_TRUE(cell.empty() && !wasQuoted) << "stray quote in record " << rows.size();
            inQuotes = wasQuoted = true;
        } else if (c == ',' || c == '\r') {
            row.push_back(std::move(cell));
            cell.clear();
            wasQuoted = false;
            if (c == ',') continue;
            EXPECT_EQ(text.substr(i, 2), "\r\n") << "record " << rows.size();
            rows.push_back(std::move(row));
            row.clear();
            ++i;
        } else {
            EXPECT_FALSE(c == '\n' || wasQuoted) << "bad character in record " << rows.size();
            cell += c;
        }
    }
    EXPECT_TRUE(!inQuotes && row.empty() && cell.empty()) << "the last record is cut";
    return rows;
}

// A number cell, "." as its decimal point; none for an empty cell.
inline std::optional<float> csvNumber(const std::string& cell) {
    if (cell.empty()) return std::nullopt;
    float v = 0;
    const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
    EXPECT_TRUE(ec == std::errc() && end == cell.data() + cell.size()) << "not a number: " << cell;
    return v;
}

} // namespace korva::test
