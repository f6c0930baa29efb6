#include "plan/loan_check.h"

#include <cmath>
#include <cstdio>
#include <tuple>
#include <utility>

#include "calc/emi.h"
#include "calc/messages.h"
#include "calc/recovery.h"
#include "details/schedule.h"
#include "export/table_csv.h"
#include "numeric/checked.h"
#include "numeric/failure.h"
#include "numeric/number_rules.h"
#include "plan/cents.h"
#include "plan/payment_dates.h"

namespace brisanel::plan {

namespace {

// The file's name of each box, and the box each of the panels' refusals is about.
constexpr std::pair<LoanField, std::string_view> kFieldNames[] = {
    {LoanField::Principal, "principal"},    {LoanField::Rate, "rate"},
    {LoanField::StartAfter, "start_after"}, {LoanField::Months, "months"},
    {LoanField::Instalment, "emi"},
};
constexpr std::pair<std::string_view, LoanField> kRefusalFields[] = {
    {calc::messages::kPrincipalPositive, LoanField::Principal},
    {calc::messages::kRateUpTo200, LoanField::Rate},
    {calc::messages::kStartBeforeEnd, LoanField::StartAfter},
    {calc::messages::kStartNotNegative, LoanField::StartAfter},
    {calc::messages::kDurationUpTo1800, LoanField::Months},
    {calc::messages::kEmiPositive, LoanField::Instalment},
};

LoanField fieldOf(std::string_view message) {
    for (const auto& [text, field] : kRefusalFields) {
        if (text == message) return field;
    }
    return LoanField::Loan;
}

}  // namespace

std::string_view fieldName(LoanField field) {
    for (const auto& [named, name] : kFieldNames) {
        if (named == field) return name;
    }
    return {};
}

namespace {

LoanRefusal refusalOf(const calc::Outcome& outcome) {
    const bool refused = outcome.ending == calc::Ending::Refused;
    // A run-time failure the panel ends on without a word is still a loan it cannot work out.
    const std::string_view message =
        outcome.message.empty() ? calc::messages::kCheckInput : outcome.message;
    return {refused ? calc::Ending::Refused : calc::Ending::Failed,
            refused ? fieldOf(message) : LoanField::Loan, std::string(message)};
}

// The panels' checks and figures for the loan at a frequency, at full precision.
std::variant<LoanStart, LoanRefusal> checkTerms(const LoanTexts& texts, Frequency frequency) {
    const int perYear = periodsPerYear(frequency);
    const bool monthly = frequency == Frequency::Monthly;
    if (texts.months) {
        const calc::EmiOutcome emi =
            calc::computeEmi({texts.principal, *texts.months, texts.startAfter, texts.rate});
        if (emi.failed()) return refusalOf(emi);
        const details::EmiFigures& figures = *emi.figures;
        const double annualRate = numeric::readNumber(texts.rate);
        if (monthly) {
            LoanStart loan{figures.principal,      annualRate, figures.monthlyRate, figures.amount,
                           figures.startDelay + 1, perYear};
            loan.term = figures.months;
            return loan;
        }
        // The panel's checks hold for periods as for months; the figures are the period's.
        LoanStart loan{0, annualRate, 0, 0, figures.startDelay + 1, perYear};
        loan.term = figures.months;
        calc::Outcome status;
        calc::trapFailures(status, {std::nullopt, calc::messages::kCheckInput}, [&] {
            using namespace numeric::checked;
            loan.periodRate = div(annualRate, 100.0 * perYear);
            loan.balance = mul(numeric::readNumber(texts.principal),
                               pow(add(1, loan.periodRate), figures.startDelay));
            loan.instalment = annuity(loan.balance, loan.periodRate, figures.months);
            if (!std::isfinite(loan.instalment)) {
                throw numeric::ArithmeticError(numeric::Failure::Overflow);
            }
        });
        if (status.failed()) return refusalOf(status);
        return loan;
    }
    const std::string instalment = texts.instalment.value_or("");
    const calc::RecoveryInputs inputs{texts.principal, texts.rate, texts.startAfter, instalment};
    if (monthly) {
        const calc::RecoveryOutcome recovery = calc::computeRecovery(inputs);
        if (recovery.failed()) return refusalOf(recovery);
    }
    // The panel's checks; at another frequency, then its repayment at the period's rate.
    calc::Outcome status;
    std::optional<LoanStart> loan;
    calc::trapFailures(status, {numeric::Failure::TableLimit, calc::messages::kCheckRecovery}, [&] {
        const auto checked = calc::checkRecoveryLoan(inputs, status);
        if (!checked) return;
        loan = LoanStart{checked->principalAfterWait, numeric::readNumber(texts.rate),
                         checked->monthlyRate,        checked->instalment,
                         checked->startDelay + 1,     perYear};
        if (monthly) return;
        using namespace numeric::checked;
        loan->periodRate = div(loan->annualRate, 100.0 * perYear);
        loan->balance = mul(numeric::readNumber(texts.principal),
                            pow(add(1, loan->periodRate), checked->startDelay));
        details::ScheduleRows rows;
        details::appendRecoverySchedule(rows, loan->balance, loan->periodRate, loan->instalment);
    });
    if (status.failed()) return refusalOf(status);
    return *loan;
}

// An amount in a message: "100000.00".
std::string twoDecimals(double amount) {
    char text[400];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

// An amount in whole cents as a box text: "1000.01".
std::string centsText(double cents) {
    const auto whole = static_cast<long long>(cents);
    std::string text = std::to_string(whole / 100) + ".";
    text += static_cast<char>('0' + whole % 100 / 10);
    return text + static_cast<char>('0' + whole % 10);
}

LoanRefusal scheduleRefusal(std::string message) {
    return {calc::Ending::Refused, LoanField::Schedule, std::move(message)};
}

}  // namespace

std::string centLimitRefusal(std::string_view what) {
    return std::string(what) + " must be at most 10000000000000 in whole cents.";
}

std::variant<LoanStart, LoanRefusal> checkLoan(const LoanTexts& given,
                                               const ScheduleOptions& options) {
    const bool cents = options.rounding == Rounding::Cent;
    LoanTexts texts = given;
    if (cents) {
        // The amounts given are rounded half up to the cent before anything is worked out.
        for (auto [text, field, what] :
             {std::tuple{&texts.principal, LoanField::Principal, "The principal"},
              std::tuple{texts.instalment ? &*texts.instalment : nullptr, LoanField::Instalment,
                         "The instalment"}}) {
            if (!text || !numeric::isNumeric(*text)) continue;
            const double amount = numeric::readNumber(*text);
            if (!(amount > 0 && std::isfinite(amount))) continue;  // the panel's check refuses it
            if (amount > kCentLimit) {
                return LoanRefusal{calc::Ending::Refused, field, centLimitRefusal(what)};
            }
            *text = centsText(centsOf(amount));
        }
    }
    const bool accelerated = options.accelerated;
    const int perYear = periodsPerYear(options.frequency);
    if (accelerated) {
        if (options.frequency != Frequency::Fortnightly && options.frequency != Frequency::Weekly)
            return scheduleRefusal("Accelerated payments are fortnightly or weekly.");
        if (!texts.months)
            return scheduleRefusal(
                "Accelerated payments need the term in months, not an instalment.");
        if (options.balloon || options.interestOnly != 0) {
            return scheduleRefusal(
                "Accelerated payments take no balloon and no interest-only periods.");
        }
    }
    auto checked = checkTerms(texts, accelerated ? Frequency::Monthly : options.frequency);
    if (std::holds_alternative<LoanRefusal>(checked)) return checked;
    LoanStart loan = std::get<LoanStart>(checked);
    loan.principal = numeric::readNumber(texts.principal);
    if (accelerated) {
        if (loan.firstMonth != 1) {
            return LoanRefusal{calc::Ending::Refused, LoanField::StartAfter,
                               "Accelerated payments start with no delay."};
        }
        // A half or a quarter of the monthly instalment, paid as an instalment given.
        loan.instalment /= options.frequency == Frequency::Fortnightly ? 2 : 4;
        loan.periodRate = loan.annualRate / (100.0 * perYear);
        loan.perYear = perYear;
        loan.term.reset();
    }
    if (options.balloon) {
        const double balloon = *options.balloon;
        if (!loan.term) return scheduleRefusal("A balloon needs a term, not an instalment.");
        if (!(balloon > 0 && balloon < loan.balance)) {
            return scheduleRefusal(
                "The balloon must be above 0 and less than the principal" +
                std::string(loan.firstMonth > 1 ? " at the first instalment, " : ", ") +
                twoDecimals(loan.balance) + ".");
        }
        if (cents && balloon > kCentLimit) return scheduleRefusal(centLimitRefusal("The balloon"));
        loan.balloon = balloon;
    }
    const int limit = loan.term.value_or(kMonthLimit);
    if (options.interestOnly < 0 || options.interestOnly >= limit) {
        return scheduleRefusal("The interest-only periods must be from 0 to " +
                               std::to_string(limit - 1) +
                               (loan.term ? ", fewer than the term." : "."));
    }
    loan.interestOnly = options.interestOnly;
    // A balloon or interest-only periods leave an instalment of their own.
    if (loan.term && (loan.balloon > 0 || loan.interestOnly > 0)) {
        loan.instalment =
            workedOut(loan, loan.balance, loan.periodRate, *loan.term - loan.interestOnly, true);
    }
    if (cents) {
        // Worked out at full precision, then in cents: the waiting periods' interest rounded
        // period by period, the instalment by its rule.
        loan.cents = true;
        loan.rule = options.instalmentRule;
        const bool workedOutHere = loan.term || accelerated;
        loan.instalment = workedOutHere ? roundInstalment(loan.instalment * 100, loan.rule)
                                        : centsOf(loan.instalment);
        loan.principal = centsOf(loan.principal);
        loan.balloon = centsOf(loan.balloon);
        loan.balance = loan.principal;
        for (int period = 1; period < loan.firstMonth; ++period) {
            loan.balance += periodInterest(loan, loan.balance, loan.annualRate, {1, perYear});
        }
    }
    return loan;
}

std::optional<std::string> borrowFees(const Fees& fees, LoanTexts& loan) {
    if (!fees.any() || !numeric::isNumeric(loan.principal)) return std::nullopt;
    const double principal = numeric::readNumber(loan.principal);
    if (!(principal > 0)) return std::nullopt;  // the panel's check refuses it
    for (const auto& [fee, what] : {std::pair{&fees.upfront, "The fee at signing"},
                                    std::pair{&fees.financed, "The financed fee"}}) {
        if (!*fee) continue;
        const double amount = (*fee)->of(principal);
        if (!(amount > 0 && amount < principal)) {
            return std::string(what) + " must be above 0 and less than the principal, " +
                   twoDecimals(principal) + ".";
        }
    }
    for (const auto& [amount, what] :
         {std::pair{fees.perPayment, "The fee with each payment"},
          std::pair{fees.yearly, "The yearly fee"}, std::pair{fees.exit, "The exit fee"}}) {
        if (!(amount >= 0 && std::isfinite(amount))) {
            return std::string(what) + " must be 0 or more.";
        }
    }
    if (fees.financed) {
        loan.principal = saving::fullPrecision(principal + fees.financed->of(principal));
    }
    return std::nullopt;
}

}  // namespace brisanel::plan
