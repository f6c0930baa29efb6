#include "cli/output.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "plan/plan_table.h"

namespace brisanel::cli {

void complain(std::ostream& err, std::string_view message) {
    err << "brisanel-calc: " << message << '\n';
}

std::string jsonString(std::string_view text) {
    std::string literal = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                literal += "\\\"";
                break;
            case '\\':
                literal += "\\\\";
                break;
            case '\n':
                literal += "\\n";
                break;
            case '\r':
                literal += "\\r";
                break;
            case '\t':
                literal += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 8> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04x",
                                  static_cast<unsigned>(static_cast<unsigned char>(c)));
                    literal += escape.data();
                } else {
                    literal += c;
                }
        }
    }
    literal += '"';
    return literal;
}

std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string object = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i > 0) object += ", ";
        object += jsonString(members[i].first) + ": " + members[i].second;
    }
    return object + "}";
}

bool flushed(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return true;
    complain(err, "the results could not be written to standard output");
    return false;
}

std::string totalsJson(const plan::Totals& totals, bool withDates) {
    std::vector<std::pair<std::string, std::string>> members;
    const std::vector<std::string> columns = plan::totalsColumns();
    const std::vector<std::string> texts = plan::totalsTexts(totals);
    for (std::size_t i = 0; i < columns.size(); ++i) members.emplace_back(columns[i], texts[i]);
    if (withDates) {
        members.emplace_back("first_date", jsonString(plan::isoDate(totals.firstDate)));
        members.emplace_back("end_date", jsonString(plan::isoDate(totals.endDate)));
    }
    return jsonObject(members);
}

std::string twoDecimals(double value) {
    std::array<char, 400> text{};
    std::snprintf(text.data(), text.size(), "%.2f", value);
    return text.data();
}

std::string alignedRow(const std::vector<std::string>& fields, const std::vector<int>& widths) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t width = static_cast<std::size_t>(std::abs(widths[i]));
        const std::size_t padding = fields[i].size() < width ? width - fields[i].size() : 0;
        if (i > 0) line += ' ';
        if (widths[i] > 0) line.append(padding, ' ');
        line += fields[i];
        if (widths[i] < 0 && i + 1 < fields.size()) line.append(padding, ' ');
    }
    return line + '\n';
}

}  // namespace brisanel::cli
