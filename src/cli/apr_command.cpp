#include "cli/apr_command.h"

#include <ostream>

#include "cli/cost_output.h"
#include "cli/output.h"
#include "cli/run.h"
#include "numeric/number_rules.h"
#include "plan/cost.h"
#include "plan/month_number.h"
#include "plan/payment_dates.h"
#include "plan/words.h"

namespace brisanel::cli {

namespace {

struct Refused {
    std::string message;
};

// An amount option above 0, or left out (0).
double amount(const Request& request, std::string_view option, bool zeroAllowed = false) {
    if (!request.has(option)) return 0;
    const std::string_view text = request.value(option);
    const std::string where = "--" + std::string(option) + " " + std::string(text) + ": ";
    if (!numeric::isNumeric(text)) throw Refused{where + "not an amount"};
    const double value = numeric::readNumber(text);
    if (!(zeroAllowed ? value >= 0 : value > 0)) {
        throw Refused{where + (zeroAllowed ? "must be 0 or more" : "must be above 0")};
    }
    return value;
}

int whole(const Request& request, std::string_view option, int low) {
    const std::string_view text = request.value(option);
    const auto number = plan::readMonth(text);
    if (!number || *number < low || *number > plan::kMonthLimit) {
        throw Refused{"--" + std::string(option) + " " + std::string(text) +
                      ": must be a whole number from " + std::to_string(low) + " to " +
                      std::to_string(plan::kMonthLimit)};
    }
    return *number;
}

plan::CreditFlows flowsOf(const Request& request, double& advance, double& fee) {
    advance = amount(request, "advance");
    fee = amount(request, "fee", true);
    if (fee >= advance) throw Refused{"The fee must be less than the advance."};
    const double payment = amount(request, "payment");
    const int count = whole(request, "count", 1);
    const int startAfter = whole(request, "start-after", 0);
    plan::CreditFlows flows;
    flows.advance = advance - fee;
    if (request.has("frequency")) {
        flows.frequency = plan::named(plan::kFrequencies, request.value("frequency"))->frequency;
    }
    std::optional<QDate> first;
    if (request.has("first-payment")) {
        first = plan::readDate(request.value("first-payment"));
        flows.loanDate = plan::readDate(request.value("loan-date"));
        if (!(*flows.loanDate < *first)) {
            throw Refused{"The loan date must be before the first payment's date."};
        }
    }
    for (int k = 0; k < count; ++k) {
        const QDate date = first ? plan::paymentDate(*first, flows.frequency, k) : QDate();
        flows.payments.push_back({startAfter + 1 + k, date, payment});
    }
    if (request.has("first-amount"))
        flows.payments.front().amount = amount(request, "first-amount");
    if (request.has("final")) flows.payments.back().amount = amount(request, "final");
    return flows;
}

}  // namespace

int runApr(const Request& request, std::ostream& out, std::ostream& err) {
    double advance = 0;
    double fee = 0;
    plan::CreditFlows flows;
    try {
        flows = flowsOf(request, advance, fee);
    } catch (const Refused& refused) {
        complain(err, refused.message);
        return kExitRefused;
    }
    const auto method = plan::methodNamed(request.value("apr")).value_or(plan::AprMethod::Eu);
    const plan::CreditCost cost = plan::costOf(flows, advance, fee, method);
    switch (request.format) {
        case Format::Text:
            writeCostText(cost, out);
            break;
        case Format::Csv:
            out << csvRecord(costColumns()) << csvRecord(costTexts(cost));
            break;
        case Format::Json:
            out << "{\n  \"command\": \"apr\",\n  \"cost\": " << costJson(cost) << "\n}\n";
            break;
    }
    if (!flushed(out, err)) return kExitNotWritten;
    return kExitOk;
}

}  // namespace brisanel::cli
