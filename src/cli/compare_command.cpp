#include "cli/compare_command.h"

#include <QFileInfo>
#include <functional>
#include <ostream>

#include "cli/cost_output.h"
#include "cli/output.h"
#include "cli/run.h"
#include "plan/compare.h"
#include "plan/comparison_file.h"
#include "plan/month_number.h"
#include "plan/offer_table.h"
#include "plan/plan_file.h"
#include "plan/plan_table.h"

namespace brisanel::cli {

namespace {

using plan::OfferFigures;

// The end of an offer's plan: its last payment's date, or its period.
std::string endOf(const OfferFigures& offer) {
    const plan::Totals& totals = offer.result.plan.totals;
    return totals.endDate.isValid() ? plan::isoDate(totals.endDate)
                                    : std::to_string(totals.endMonth);
}

// One figure of the table: its caption and its text for an offer.
struct Figure {
    std::string caption;
    std::function<std::string(const OfferFigures&)> text;
};

std::vector<Figure> figuresOf(plan::AprMethod method, bool horizon) {
    std::vector<Figure> figures{
        {"First instalment",
         [](const OfferFigures& o) { return twoDecimals(o.result.plan.totals.firstInstalment); }},
        {"Last instalment",
         [](const OfferFigures& o) { return twoDecimals(o.result.plan.totals.lastInstalment); }},
        {"Payments",
         [](const OfferFigures& o) { return std::to_string(o.result.plan.totals.months); }},
        {"Ends", endOf},
        {"Total interest",
         [](const OfferFigures& o) { return twoDecimals(o.result.plan.totals.interest); }},
        {"Fees", [](const OfferFigures& o) { return twoDecimals(o.fees); }},
        {"Total payable", [](const OfferFigures& o) { return twoDecimals(o.cost.payable); }},
        {"Cost of credit", [](const OfferFigures& o) { return twoDecimals(o.cost.costOfCredit); }},
        {method == plan::AprMethod::Us ? "APR (US)" : "APR (EU/UK)",
         [](const OfferFigures& o) {
             return o.cost.apr ? plan::shownApr(*o.cost.apr, o.cost.method) + " %" : "none";
         }},
        {"More than cheapest",
         [](const OfferFigures& o) {
             return o.cheapest ? "cheapest" : twoDecimals(o.moreThanCheapest);
         }},
    };
    if (horizon) {
        figures.push_back({"Repaid at horizon", [](const OfferFigures& o) {
                               return twoDecimals(o.atHorizon.value_or(0)) + " (" +
                                      std::to_string(o.horizonPeriod) + ")";
                           }});
    }
    return figures;
}

void writeText(const std::vector<OfferFigures>& offers, plan::AprMethod method, bool horizon,
               std::ostream& out) {
    std::vector<int> widths{-20};
    std::vector<std::string> names{""};
    for (const OfferFigures& offer : offers) {
        widths.push_back(static_cast<int>(std::max<std::size_t>(16, offer.name.size())));
        names.push_back(offer.name);
    }
    out << alignedRow(names, widths);
    for (const Figure& figure : figuresOf(method, horizon)) {
        std::vector<std::string> fields{figure.caption};
        for (const OfferFigures& offer : offers) fields.push_back(figure.text(offer));
        out << alignedRow(fields, widths);
    }
}

void writeJson(const std::vector<OfferFigures>& offers, plan::AprMethod method, bool horizon,
               std::ostream& out) {
    out << "{\n  \"command\": \"compare\",\n  \"method\": " << jsonString(plan::methodWord(method))
        << ",\n  \"offers\": [";
    for (std::size_t i = 0; i < offers.size(); ++i) {
        const OfferFigures& offer = offers[i];
        const bool withDates = offer.result.plan.totals.endDate.isValid();
        std::vector<std::pair<std::string, std::string>> members{
            {"name", jsonString(offer.name)},
            {"cheapest", offer.cheapest ? "true" : "false"},
            {"more_than_cheapest", fullPrecision(offer.moreThanCheapest)},
            {"fees", fullPrecision(offer.fees)},
            {"base", totalsJson(offer.result.base.totals, withDates)},
            {"plan", totalsJson(offer.result.plan.totals, withDates)},
            {"cost", costJson(offer.cost)}};
        if (horizon) {
            members.emplace_back(
                "horizon", jsonObject({{"period", std::to_string(offer.horizonPeriod)},
                                       {"cost", fullPrecision(offer.atHorizon.value_or(0))}}));
        }
        out << (i == 0 ? "\n    " : ",\n    ") << jsonObject(members);
    }
    out << "\n  ]\n}\n";
}

// The offers and how they are compared: one comparison file, or two to four plan files (each
// offer named after its file when it has no name of its own).
std::variant<plan::Comparison, std::string> comparisonOf(const std::vector<std::string>& files) {
    if (files.size() == 1) {
        const QString name = QString::fromLocal8Bit(files.front());
        auto contents = plan::fileContents(name);
        if (auto* message = std::get_if<std::string>(&contents)) return *message;
        if (plan::isComparison(std::get<QByteArray>(contents))) {
            auto read = plan::parseComparisonFile(std::get<QByteArray>(contents));
            if (auto* error = std::get_if<plan::PlanFileError>(&read)) {
                return plan::fileRefusal(name, *error);
            }
            plan::Comparison comparison = std::get<plan::Comparison>(std::move(read));
            for (std::size_t i = 0; i < comparison.offers.size(); ++i) {
                std::string& offerName = comparison.offers[i].name;
                if (offerName.empty()) offerName = "Offer " + std::to_string(i + 1);
            }
            return comparison;
        }
    }
    if (files.size() < 2 || files.size() > plan::kMaxOffers) {
        return "compare takes a comparison file or two to four plan files, not " +
               std::to_string(files.size());
    }
    plan::Comparison comparison;
    for (const std::string& file : files) {
        const QString name = QString::fromLocal8Bit(file);
        auto read = plan::readPlanFile(name);
        if (auto* message = std::get_if<std::string>(&read)) return *message;
        plan::PlanInputs& offer =
            comparison.offers.emplace_back(std::get<plan::PlanInputs>(std::move(read)));
        if (offer.name.empty()) offer.name = QFileInfo(name).completeBaseName().toStdString();
    }
    return comparison;
}

}  // namespace

int runCompare(const Request& request, std::ostream& out, std::ostream& err) {
    auto read = comparisonOf(request.operands);
    if (const auto* message = std::get_if<std::string>(&read)) {
        complain(err, *message);
        return kExitRefused;
    }
    plan::Comparison comparison = std::get<plan::Comparison>(std::move(read));
    // The command line's --horizon and --apr win over the file's.
    if (request.has("horizon")) {
        const std::string_view text = request.value("horizon");
        plan::Horizon& horizon = comparison.horizon.emplace();
        if (const auto date = plan::readDate(text)) {
            horizon.date = date;
        } else if (const auto period = plan::readMonth(text)) {
            horizon.period = period;
        } else {
            complain(err,
                     "--horizon " + std::string(text) + ": not a period or a date (YYYY-MM-DD)");
            return kExitRefused;
        }
    }
    if (request.has("apr")) {
        comparison.method = plan::methodNamed(request.value("apr")).value_or(plan::AprMethod::Eu);
    }
    const plan::AprMethod method = comparison.method;
    const bool horizon = comparison.horizon.has_value();
    const auto compared = plan::compareOffers(comparison.offers, method, comparison.horizon);
    if (const auto* message = std::get_if<std::string>(&compared)) {
        complain(err, *message);
        return kExitRefused;
    }
    const auto& figures = std::get<std::vector<OfferFigures>>(compared);
    switch (request.format) {
        case Format::Text:
            writeText(figures, method, horizon, out);
            break;
        case Format::Csv:
            out << plan::offersCsv(figures, horizon);
            break;
        case Format::Json:
            writeJson(figures, method, horizon, out);
            break;
    }
    if (!flushed(out, err)) return kExitNotWritten;
    // The offers compared as one file, for the comparison window and compare itself.
    if (request.has("write-comparison")) {
        const std::string file(request.value("write-comparison"));
        if (const auto reason =
                plan::writeComparisonFile(QString::fromLocal8Bit(file), comparison)) {
            complain(err, "--write-comparison " + file + ": " + reason->toStdString());
            return kExitNotSaved;
        }
    }
    return kExitOk;
}

}  // namespace brisanel::cli
