#pragma once

#include <QString>
#include <string_view>

namespace brisanel::app {

/// A text of the core, which writes plain ASCII, as a QString: Latin-1 is its quickest exact
/// reading.
inline QString latin1(std::string_view text) {
    return QLatin1StringView(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace brisanel::app
