#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "plan/cost.h"
#include "plan/offer_table.h"

// The cost of credit as brisanel-calc writes it, for plan and apr alike.
namespace brisanel::cli {

/// A fee option's value: an amount, or with `percentAllowed` a percentage of the principal
/// ("2%"). 0 is no fee; anything else not above 0, or not a number, is refused with a message.
std::variant<plan::FeeAmount, std::string> readFee(std::string_view option, std::string_view text,
                                                   bool percentAllowed);

/// The figures as lines: "Total amount of credit: 200000.00" … "APR (EU/UK): 6.4 %".
void writeCostText(const plan::CreditCost& cost, std::ostream& out);

/// {"credit": …, "payable": …, "cost_of_credit": …, "apr": …, "apr_shown": "6.4", "method": "eu"}
std::string costJson(const plan::CreditCost& cost);

/// The same as CSV columns and fields: the core's, which the comparison window writes with too.
using plan::costColumns;
using plan::costTexts;

}  // namespace brisanel::cli
