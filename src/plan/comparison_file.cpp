#include "plan/comparison_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "export/list_file.h"
#include "plan/month_number.h"
#include "plan/payment_dates.h"

namespace brisanel::plan {

namespace {

const QString kVersion = QStringLiteral("brisanel_comparison");

std::variant<Comparison, PlanFileError> readComparison(const QJsonValue& value) {
    if (!value.isObject()) return PlanFileError{"the file", "must be an object"};
    QJsonObject top = value.toObject();
    if (top.take(kVersion) != QJsonValue(kComparisonFileVersion)) {
        return PlanFileError{"brisanel_comparison", "must be 1, the version this program reads"};
    }
    Comparison comparison;
    if (const QJsonValue method = top.take(QStringLiteral("method")); !method.isUndefined()) {
        const auto named = methodNamed(method.toString().toStdString());
        if (!method.isString() || !named)
            return PlanFileError{"method", "must be \"eu\" or \"us\""};
        comparison.method = *named;
    }
    if (const QJsonValue horizon = top.take(QStringLiteral("horizon")); !horizon.isUndefined()) {
        Horizon& at = comparison.horizon.emplace();
        if (horizon.isString()) {
            at.date = readDate(horizon.toString().toStdString());
        } else if (horizon.isDouble()) {
            at.period = monthOf(horizon.toDouble());
        }
        if (!at.date && !at.period) {
            return PlanFileError{"horizon", "must be a period or a date (YYYY-MM-DD)"};
        }
    }
    const QJsonValue offers = top.take(QStringLiteral("offers"));
    if (offers.isUndefined()) return PlanFileError{"offers", "is missing"};
    const QJsonArray list = offers.toArray();
    if (!offers.isArray() || list.size() < 2 || list.size() > kMaxOffers) {
        return PlanFileError{"offers", "must be a list of two to four offers"};
    }
    for (qsizetype index = 0; index < list.size(); ++index) {
        auto offer = readPlanObject(list[index], "offers[" + std::to_string(index) + "]");
        if (auto* error = std::get_if<PlanFileError>(&offer)) return *error;
        comparison.offers.push_back(std::get<PlanInputs>(std::move(offer)));
    }
    if (!top.isEmpty())
        return PlanFileError{top.begin().key().toStdString(), "is not a known field"};
    return comparison;
}

}  // namespace

std::variant<Comparison, PlanFileError> parseComparisonFile(const QByteArray& contents) {
    auto parsed = parseJson(contents);
    if (auto* error = std::get_if<PlanFileError>(&parsed)) return *error;
    return readComparison(std::get<QJsonValue>(parsed));
}

QByteArray comparisonFileContents(const Comparison& comparison) {
    QJsonArray offers;
    for (const PlanInputs& offer : comparison.offers) offers.append(planObject(offer));
    QJsonObject top{{kVersion, kComparisonFileVersion},
                    {"method", QString::fromUtf8(methodWord(comparison.method))},
                    {"offers", offers}};
    if (const auto& horizon = comparison.horizon) {
        top.insert("horizon", horizon->date
                                  ? QJsonValue(QString::fromStdString(isoDate(*horizon->date)))
                                  : QJsonValue(horizon->period.value_or(0)));
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

bool isComparison(const QByteArray& contents) {
    const auto parsed = parseJson(contents);
    const auto* top = std::get_if<QJsonValue>(&parsed);
    return top && top->toObject().contains(kVersion);
}

std::variant<Comparison, std::string> readComparisonFile(const QString& fileName) {
    auto contents = fileContents(fileName);
    if (auto* message = std::get_if<std::string>(&contents)) return *message;
    auto parsed = parseComparisonFile(std::get<QByteArray>(contents));
    if (auto* error = std::get_if<PlanFileError>(&parsed)) return fileRefusal(fileName, *error);
    return std::get<Comparison>(std::move(parsed));
}

std::optional<QString> writeComparisonFile(const QString& fileName, const Comparison& comparison) {
    return saving::writeListFile(fileName, comparisonFileContents(comparison));
}

}  // namespace brisanel::plan
