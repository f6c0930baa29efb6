#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace brisanel::app {

/// What the labels beside a box or the period list say about it now, as assistive technology
/// names it: "Principal loan amount", "Repayment starts after (months)", "Interest rate per Day".
/// Empty for a control without labels.
QString captionOf(const QWidget& window, std::string_view control);

}  // namespace brisanel::app
