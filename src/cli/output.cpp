#include "cli/output.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace brisanel::cli {

std::string fullPrecision(double value) {
    if (value == 0) return "0";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
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

}  // namespace brisanel::cli
