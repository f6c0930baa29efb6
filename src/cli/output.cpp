#include "cli/output.h"

#include <array>
#include <cstdio>
#include <ostream>

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

}  // namespace brisanel::cli
