#pragma once

#include <QDate>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/payment_dates.h"

// What credit costs: the borrower's payments as cash flows against the credit, their totals, and
// the annual percentage rate by the EU/UK rule (an effective annual rate) or the US Regulation Z
// rule (an actuarial nominal rate).
namespace brisanel::plan {

/// An amount, or a percentage of the principal ("2%").
struct FeeAmount {
    double value = 0;
    bool percent = false;

    /// The amount for a principal.
    double of(double principal) const { return percent ? principal * value / 100 : value; }
    bool operator==(const FeeAmount&) const = default;
};

/// A fee as typed: a number, or with `percentAllowed` a percentage of the principal ("2%"); nullopt
/// for any other text. The sign is the caller's to check.
std::optional<FeeAmount> readFee(std::string_view text, bool percentAllowed);

/// The fee as it is typed and saved: "2%" or "100", at full precision.
std::string feeText(const FeeAmount& fee);

/// The fees of an offer; every one may be left out.
struct Fees {
    std::optional<FeeAmount> upfront = std::nullopt;  ///< paid at the loan date, not borrowed
    std::optional<FeeAmount> financed =
        std::nullopt;       ///< added to the loan: the plan runs on P + fee
    double perPayment = 0;  ///< added to every instalment
    double yearly = 0;      ///< added to the first instalment and to every f-th after it
    double exit = 0;        ///< added to the last payment

    bool any() const { return upfront || financed || perPayment != 0 || yearly != 0 || exit != 0; }
    bool operator==(const Fees&) const = default;
};

enum class AprMethod { Eu, Us };

/// One payment of the borrower: all they pay in a period, fees included.
struct CreditPayment {
    int period = 0;   ///< counted from the loan, the first instalment being the start delay + 1
    QDate date = {};  ///< when the flows have dates
    double amount = 0;
};

/// The credit against the payments that repay it.
struct CreditFlows {
    double advance = 0;  ///< what the borrower has in hand: the credit less a fee paid at signing
    std::vector<CreditPayment> payments;
    Frequency frequency = Frequency::Monthly;
    std::optional<QDate> loanDate = std::nullopt;  ///< with dates: the day the credit is paid out
};

/// A payment's time from the loan date as the rules count it: whole periods counted back from
/// the payment date towards the loan date, and the days left. Without dates, the period itself
/// and no days.
struct FlowTime {
    int periods = 0;
    int days = 0;
    int yearDays = 365;  ///< 366 when the year that ends on the date reached holds a 29 February
};

FlowTime flowTime(const CreditFlows& flows, const CreditPayment& payment);

/// The days of a US unit period, over which Regulation Z counts the odd days: a month counts 30,
/// a quarter 90, a fortnight 14, a week 7.
double unitPeriodDays(Frequency frequency);

/// The APR in percent that makes the payments worth the advance, solved to 1e-10 by a
/// safeguarded Newton iteration inside a bracket; nullopt when the payments repay less than the
/// advance (there is then no positive rate).
std::optional<double> aprOf(const CreditFlows& flows, AprMethod method);

/// The APR as the method shows it: one decimal for the EU/UK rule ("6.4"), two for the US
/// ("9.69"), rounded half up.
std::string shownApr(double apr, AprMethod method);

/// What the credit costs.
struct CreditCost {
    double credit = 0;        ///< the total amount of credit: what the borrower receives
    double payable = 0;       ///< every payment, the fee at signing included
    double costOfCredit = 0;  ///< payable - credit
    std::optional<double> apr;
    AprMethod method = AprMethod::Eu;
    std::string noApr;  ///< why there is no APR, when there is none
};

/// The cost of flows, against a credit of `credit` (the advance and any fee at signing).
CreditCost costOf(const CreditFlows& flows, double credit, double upfrontFee, AprMethod method);

/// The method's name on the command line and in files: "eu" or "us".
std::string_view methodWord(AprMethod method);
std::optional<AprMethod> methodNamed(std::string_view word);

}  // namespace brisanel::plan
