#include "export/table_csv.h"

#include <array>
#include <charconv>
#include <cmath>

namespace brisanel::saving {

std::string fullPrecision(double value) {
    if (value == 0) return "0";
    // Amounts as people write them (200000, not the shorter 2e+05), with every digit that reads
    // back as the same double; only the very large and very small take an exponent.
    std::array<char, 400> buffer{};
    const double size = std::abs(value);
    const auto result = size >= 1e-5 && size < 1e21
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string csvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            record += field;
            continue;
        }
        record += '"';
        for (const char c : field) {
            if (c == '"') record += '"';
            record += c;
        }
        record += '"';
    }
    record += "\r\n";
    return record;
}

std::vector<std::string> scheduleColumns() {
    return {"month",
            "opening_balance",
            "interest",
            "principal_repaid",
            "instalment",
            "closing_balance",
            "cumulative_interest",
            "cumulative_principal"};
}

TextRows scheduleTexts(std::span<const details::ScheduleRow> rows) {
    TextRows texts;
    texts.reserve(rows.size());
    for (const details::ScheduleRow& row : rows) {
        texts.push_back({std::to_string(row.month), fullPrecision(row.openingBalance),
                         fullPrecision(row.interest), fullPrecision(row.principalRepaid),
                         fullPrecision(row.instalment), fullPrecision(row.closingBalance),
                         fullPrecision(row.interestSoFar), fullPrecision(row.principalSoFar)});
    }
    return texts;
}

std::vector<std::string> growthColumns() {
    return {"period", "period_interest", "accumulated_interest", "total"};
}

TextRows growthTexts(std::span<const details::GrowthRow> rows) {
    TextRows texts;
    texts.reserve(rows.size());
    for (const details::GrowthRow& row : rows) {
        texts.push_back({fullPrecision(row.period), fullPrecision(row.interest),
                         fullPrecision(row.interestSoFar), fullPrecision(row.total)});
    }
    return texts;
}

std::string csvTable(const std::vector<std::string>& columns, const TextRows& rows) {
    std::string document = csvRecord(columns);
    for (const std::vector<std::string>& row : rows) document += csvRecord(row);
    return document;
}

std::string scheduleCsv(std::span<const details::ScheduleRow> rows) {
    return csvTable(scheduleColumns(), scheduleTexts(rows));
}

std::string growthCsv(std::span<const details::GrowthRow> rows) {
    return csvTable(growthColumns(), growthTexts(rows));
}

}  // namespace brisanel::saving
