// Build-time generator: reads the source table of the program's texts and
// writes the text file "Skat_Text.xml" plus the built-in copy of the table
// (TextKeys.h, TextTable.cpp). Refuses a table whose positions drift, whose
// keys repeat, or whose texts disagree with their placeholders.
//
//   GenerateTextTable <SkatTexts.tsv> <Skat_Text.xml> <TextKeys.h> <TextTable.cpp>

#include "skat/app/TextFormat.h"
#include "vordix/SafeSave.h"
#include "vordix/Utf8.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr size_t FIXED_COUNT = 350;        // positions the text file fixes
constexpr size_t FIXED_NEUTRAL_COUNT = 65; // of them read from "all"

struct Row {
    size_t line = 0;
    std::string key;
    bool neutral = false;
    std::string placeholders;
    std::string german;
    std::string english;
};

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::string unquote(const std::string& field)
{
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        return field.substr(1, field.size() - 2);
    return field;
}

bool validKey(const std::string& key)
{
    if (key.empty() || !(std::isalpha(static_cast<unsigned char>(key[0]))))
        return false;
    for (char c : key)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

bool fail(const std::string& where, const std::string& message)
{
    std::cerr << where << ": " << message << "\n";
    return false;
}

bool readTable(const std::string& path, std::vector<Row>& rows)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(path, "cannot be opened");
    std::set<std::string> keys;
    std::string line;
    size_t lineNumber = 0;
    bool ok = true;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = path + ":" + std::to_string(lineNumber);
        const auto fields = splitTabs(line);
        if (fields.size() != 6) {
            ok = fail(where, "needs 6 tab-separated columns, has " + std::to_string(fields.size()));
            continue;
        }
        Row row;
        row.line = lineNumber;
        row.key = fields[1];
        row.placeholders = fields[3];
        row.german = unquote(fields[4]);
        row.english = unquote(fields[5]);
        if (fields[0] != std::to_string(rows.size()))
            ok = fail(where, "position " + fields[0] + " stands at place " + std::to_string(rows.size())
                                 + ": rows must never be inserted, moved or removed; append new ones at the end");
        if (!validKey(row.key))
            ok = fail(where, "bad key \"" + row.key + "\"");
        if (!keys.insert(row.key).second)
            ok = fail(where, "key " + row.key + " repeats");
        if (fields[2] != "all" && fields[2] != "multi")
            ok = fail(where, "kind must be all or multi");
        row.neutral = fields[2] == "all";
        std::vector<skat::Placeholder> expected;
        if (!skat::parsePlaceholderList(row.placeholders, expected))
            ok = fail(where, "placeholders must be \"-\" or a list of %ls, %d, %.2f");
        if (row.german.empty())
            ok = fail(where, "the German text is empty");
        if (!row.neutral && row.english.empty())
            ok = fail(where, "the English text is empty");
        if (skat::placeholdersOf(vordix::fromUtf8(row.german)) != expected)
            ok = fail(where, "the German text does not use the placeholders " + row.placeholders);
        if (!row.english.empty() && skat::placeholdersOf(vordix::fromUtf8(row.english)) != expected)
            ok = fail(where, "the English text does not use the placeholders " + row.placeholders);
        if (vordix::toUtf8(vordix::fromUtf8(row.german)) != row.german
            || vordix::toUtf8(vordix::fromUtf8(row.english)) != row.english)
            ok = fail(where, "is not valid UTF-8");
        rows.push_back(row);
    }
    if (rows.size() < FIXED_COUNT)
        ok = fail(path, "holds " + std::to_string(rows.size()) + " texts; the text file needs at least "
                            + std::to_string(FIXED_COUNT));
    size_t neutral = 0;
    for (size_t i = 0; i < rows.size() && i < FIXED_COUNT; ++i)
        neutral += rows[i].neutral;
    if (neutral != FIXED_NEUTRAL_COUNT)
        ok = fail(path, "positions 0 to 349 hold " + std::to_string(neutral) + " texts of kind all, not "
                            + std::to_string(FIXED_NEUTRAL_COUNT));
    return ok;
}

std::string xmlEscape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "&#10;"; break;
        case '\t': out += "&#9;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string cppEscape(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// Writes only when the content changed, so unchanged texts rebuild nothing.
bool writeFile(const std::string& path, const std::string& content)
{
    {
        std::ifstream old(path, std::ios::binary);
        std::stringstream existing;
        existing << old.rdbuf();
        if (old && existing.str() == content)
            return true;
    }
    if (!vordix::saveFile(path, content))
        return fail(path, "cannot be written");
    return true;
}

std::string xmlFile(const std::vector<Row>& rows)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<!-- The program's texts; generated from skat/app/texttable/SkatTexts.tsv. -->\n"
                      "<Texts>\n";
    for (const Row& row : rows) {
        out += "  <Text Name=\"" + row.key + "\" language=\"" + (row.neutral ? "neutral" : "multi") + "\"";
        if (row.neutral) {
            out += " all=\"" + xmlEscape(row.german) + "\"";
            if (!row.english.empty())
                out += " en=\"" + xmlEscape(row.english) + "\"";
        } else {
            out += " de=\"" + xmlEscape(row.german) + "\" en=\"" + xmlEscape(row.english) + "\"";
        }
        out += "/>\n";
    }
    return out + "</Texts>\n";
}

std::string keysHeader(const std::vector<Row>& rows)
{
    std::string out =
        "#pragma once\n// Generated from skat/app/texttable/SkatTexts.tsv: the keys of the program's texts.\n\n"
        "#include <cstddef>\n\n"
        "enum class TextKey : int {\n";
    for (size_t i = 0; i < rows.size(); ++i)
        out += "    " + rows[i].key + " = " + std::to_string(i) + ",\n";
    out += "};\n\n";
    out += "// Positions 0 .. FIXED_TEXT_COUNT - 1 are fixed by the text file's format;\n"
           "// the texts after them belong to this program.\n";
    out += "inline constexpr std::size_t FIXED_TEXT_COUNT = " + std::to_string(FIXED_COUNT) + ";\n";
    out += "inline constexpr std::size_t TEXT_COUNT = " + std::to_string(rows.size()) + ";\n";
    return out;
}

std::string tableSource(const std::vector<Row>& rows)
{
    std::string out = "// Generated from skat/app/texttable/SkatTexts.tsv: the built-in copy of the texts.\n"
                      "#include \"skat/app/TextTable.h\"\n\n"
                      "const std::array<TextTableRow, TEXT_COUNT>& textTableRows() {\n"
                      "    static const std::array<TextTableRow, TEXT_COUNT> rows = {{\n";
    for (const Row& row : rows) {
        out += "        {\"" + row.key + "\", " + (row.neutral ? "true" : "false") + ", \""
               + (row.placeholders == "-" ? "" : row.placeholders) + "\", \"" + cppEscape(row.german) + "\", \""
               + cppEscape(row.english) + "\"},\n";
    }
    out += "    }};\n    return rows;\n}\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: GenerateTextTable <SkatTexts.tsv> <Skat_Text.xml> <TextKeys.h> <TextTable.cpp>\n";
        return 2;
    }
    std::vector<Row> rows;
    if (!readTable(argv[1], rows))
        return 1;
    const bool ok = writeFile(argv[2], xmlFile(rows)) && writeFile(argv[3], keysHeader(rows))
                    && writeFile(argv[4], tableSource(rows));
    return ok ? 0 : 1;
}
