#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The building blocks of the csv and json formats.
namespace brisanel::cli {

/// The shortest decimal text that reads back as exactly this value ("0.1", "1328.125",
/// "1e+300"); zero of either sign is "0".
std::string fullPrecision(double value);

/// One CSV record: fields joined by commas, a field quoted (with its quotes doubled) when it holds
/// a comma, a quote, a carriage return or a line feed; ends with CR LF.
std::string csvRecord(const std::vector<std::string>& fields);

/// A JSON string literal for the text, with quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

/// A JSON object on one line from members whose values are already JSON texts.
std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members);

}  // namespace brisanel::cli
