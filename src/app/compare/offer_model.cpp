#include "app/compare/offer_model.h"

#include "export/table_csv.h"
#include "plan/payment_dates.h"
#include "plan/words.h"

namespace brisanel::app::compare {
namespace {

const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("OfferModel", "Name"),
    QT_TRANSLATE_NOOP("OfferModel", "Principal"),
    QT_TRANSLATE_NOOP("OfferModel", "Annual rate %"),
    QT_TRANSLATE_NOOP("OfferModel", "Number of payments"),
    QT_TRANSLATE_NOOP("OfferModel", "Instalment"),
    QT_TRANSLATE_NOOP("OfferModel", "Start after (periods)"),
    QT_TRANSLATE_NOOP("OfferModel", "Frequency"),
    QT_TRANSLATE_NOOP("OfferModel", "Accelerated"),
    QT_TRANSLATE_NOOP("OfferModel", "First payment date"),
    QT_TRANSLATE_NOOP("OfferModel", "Loan date"),
    QT_TRANSLATE_NOOP("OfferModel", "Day count"),
    QT_TRANSLATE_NOOP("OfferModel", "Whole cents"),
    QT_TRANSLATE_NOOP("OfferModel", "Instalment rounded"),
    QT_TRANSLATE_NOOP("OfferModel", "Balloon payment"),
    QT_TRANSLATE_NOOP("OfferModel", "Interest-only payments"),
    QT_TRANSLATE_NOOP("OfferModel", "Upfront fee (amount or 2%)"),
    QT_TRANSLATE_NOOP("OfferModel", "Financed fee (amount or 2%)"),
    QT_TRANSLATE_NOOP("OfferModel", "Fee per payment"),
    QT_TRANSLATE_NOOP("OfferModel", "Yearly fee"),
    QT_TRANSLATE_NOOP("OfferModel", "Exit fee"),
};
static_assert(std::size(kCaptions) == OfferModel::RowCount);

const QStringList kYesNo = {QStringLiteral("no"), QStringLiteral("yes")};

template <typename Words>
QStringList wordList(const Words& table) {
    QStringList words;
    for (const auto& entry : table) words.append(QString::fromUtf8(entry.word));
    return words;
}

QString text(const std::string& string) {
    return QString::fromStdString(string);
}

QString feeText(const std::optional<plan::FeeAmount>& fee) {
    return fee ? text(plan::feeText(*fee)) : QString();
}

QString amountText(double amount) {
    return amount == 0 ? QString() : text(saving::fullPrecision(amount));
}

QString dateText(const std::optional<QDate>& date) {
    return date ? text(plan::isoDate(*date)) : QString();
}

}  // namespace

OfferModel::OfferModel(QObject* parent) : QAbstractTableModel(parent) {}

void OfferModel::setOffers(std::vector<plan::PlanInputs> offers) {
    beginResetModel();
    offers_ = std::move(offers);
    unread_.clear();
    endResetModel();
    emit offersChanged();
}

void OfferModel::setOffer(int column, plan::PlanInputs offer) {
    offers_[static_cast<std::size_t>(column)] = std::move(offer);
    for (int row = 0; row < RowCount; ++row) unread_.remove({column, row});
    emit dataChanged(index(0, column), index(RowCount - 1, column));
    emit headerDataChanged(Qt::Horizontal, column, column);
    emit offersChanged();
}

void OfferModel::addOffer(plan::PlanInputs offer) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    offers_.push_back(std::move(offer));
    endInsertColumns();
    emit offersChanged();
}

void OfferModel::removeOffer(int column) {
    beginRemoveColumns({}, column, column);
    offers_.erase(offers_.begin() + column);
    QMap<std::pair<int, int>, QString> kept;
    for (auto it = unread_.cbegin(); it != unread_.cend(); ++it) {
        const auto [at, row] = it.key();
        if (at != column) kept.insert({at > column ? at - 1 : at, row}, it.value());
    }
    unread_ = kept;
    endRemoveColumns();
    emit offersChanged();
}

QStringList OfferModel::problems() const {
    QStringList problems;
    for (auto it = unread_.cbegin(); it != unread_.cend(); ++it) {
        const auto [column, row] = it.key();
        plan::PlanInputs scratch = offers_[static_cast<std::size_t>(column)];
        problems.append(
            tr("Offer %1, %2: %3")
                .arg(column + 1)
                .arg(tr(kCaptions[row]), read(scratch, row, it.value()).value_or(QString())));
    }
    return problems;
}

int OfferModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount;
}

int OfferModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(offers_.size());
}

QString OfferModel::textOf(const plan::PlanInputs& offer, int row) const {
    const plan::ScheduleOptions& schedule = offer.schedule;
    const plan::Fees& fees = offer.fees;
    switch (row) {
        case Name:
            return text(offer.name);
        case Principal:
            return text(offer.loan.principal);
        case Rate:
            return text(offer.loan.rate);
        case Payments:
            return text(offer.loan.months.value_or(""));
        case Instalment:
            return text(offer.loan.instalment.value_or(""));
        case StartAfter:
            return text(offer.loan.startAfter);
        case Frequency:
            return QString::fromUtf8(plan::wordsOf(schedule.frequency).word);
        case Accelerated:
            return kYesNo[schedule.accelerated ? 1 : 0];
        case FirstPayment:
            return dateText(schedule.firstPayment);
        case LoanDate:
            return dateText(schedule.loanDate);
        case DayCount:
            return QString::fromUtf8(
                plan::wordOf(plan::kDayCounts, &plan::DayCountWords::dayCount, schedule.dayCount));
        case WholeCents:
            return kYesNo[schedule.rounding == plan::Rounding::Cent ? 1 : 0];
        case InstalmentRule:
            return QString::fromUtf8(plan::wordOf(
                plan::kInstalmentRules, &plan::InstalmentRuleWords::rule, schedule.instalmentRule));
        case Balloon:
            return amountText(schedule.balloon.value_or(0));
        case InterestOnly:
            return schedule.interestOnly == 0 ? QString() : QString::number(schedule.interestOnly);
        case UpfrontFee:
            return feeText(fees.upfront);
        case FinancedFee:
            return feeText(fees.financed);
        case PerPaymentFee:
            return amountText(fees.perPayment);
        case YearlyFee:
            return amountText(fees.yearly);
        case ExitFee:
            return amountText(fees.exit);
        default:
            return {};
    }
}

std::optional<QString> OfferModel::read(plan::PlanInputs& offer, int row,
                                        const QString& typed) const {
    const QString trimmed = typed.trimmed();
    const std::string word = trimmed.toStdString();
    const auto fee = [&](std::optional<plan::FeeAmount>& fee,
                         bool percent) -> std::optional<QString> {
        if (trimmed.isEmpty()) {
            fee.reset();
            return std::nullopt;
        }
        const auto read = plan::readFee(word, percent);
        if (!read || read->value < 0) {
            return percent
                       ? tr("\"%1\" is not an amount or a percentage (2%) of 0 or more.").arg(typed)
                       : tr("\"%1\" is not an amount of 0 or more.").arg(typed);
        }
        fee = read->value == 0 ? std::nullopt : read;
        return std::nullopt;
    };
    const auto amount = [&](double& amount) {
        std::optional<plan::FeeAmount> read;
        auto problem = fee(read, false);
        if (!problem) amount = read ? read->value : 0;
        return problem;
    };
    const auto yesNo = [&](bool& answer) -> std::optional<QString> {
        if (!kYesNo.contains(trimmed)) return tr("\"%1\" is not yes or no.").arg(typed);
        answer = trimmed == kYesNo[1];
        return std::nullopt;
    };
    const auto date = [&](std::optional<QDate>& date) -> std::optional<QString> {
        if (trimmed.isEmpty()) {
            date.reset();
        } else if (const auto read = plan::readDate(word)) {
            date = read;
        } else {
            return tr("\"%1\" is not a date (YYYY-MM-DD).").arg(typed);
        }
        return std::nullopt;
    };
    plan::ScheduleOptions& schedule = offer.schedule;
    switch (row) {
        case Name:
            offer.name = typed.toStdString();
            break;
        case Principal:
            offer.loan.principal = word;
            break;
        case Rate:
            offer.loan.rate = word;
            break;
        case StartAfter:
            offer.loan.startAfter = word;
            break;
        case Payments:
        case Instalment:
            // The one typed in last is the term: the other is left out.
            offer.loan.months.reset();
            offer.loan.instalment.reset();
            (row == Payments ? offer.loan.months : offer.loan.instalment) = word;
            break;
        case Frequency:
            if (const auto* found = plan::named(plan::kFrequencies, word)) {
                schedule.frequency = found->frequency;
                break;
            }
            return tr("\"%1\" is not a frequency.").arg(typed);
        case Accelerated:
            return yesNo(schedule.accelerated);
        case FirstPayment:
            return date(schedule.firstPayment);
        case LoanDate:
            return date(schedule.loanDate);
        case DayCount:
            if (const auto* found = plan::named(plan::kDayCounts, word)) {
                schedule.dayCount = found->dayCount;
                break;
            }
            return tr("\"%1\" is not a day count.").arg(typed);
        case WholeCents: {
            bool cents = schedule.rounding == plan::Rounding::Cent;
            if (auto problem = yesNo(cents)) return problem;
            schedule.rounding = cents ? plan::Rounding::Cent : plan::Rounding::Exact;
            break;
        }
        case InstalmentRule:
            if (const auto* found = plan::named(plan::kInstalmentRules, word)) {
                schedule.instalmentRule = found->rule;
                break;
            }
            return tr("\"%1\" is not a way to round the instalment.").arg(typed);
        case Balloon: {
            double balloon = 0;
            if (auto problem = amount(balloon)) return problem;
            schedule.balloon = balloon == 0 ? std::nullopt : std::optional(balloon);
            break;
        }
        case InterestOnly: {
            bool whole = trimmed.isEmpty();
            const int periods = whole ? 0 : trimmed.toInt(&whole);
            if (!whole || periods < 0) return tr("\"%1\" is not a number of payments.").arg(typed);
            schedule.interestOnly = periods;
            break;
        }
        case UpfrontFee:
            return fee(offer.fees.upfront, true);
        case FinancedFee:
            return fee(offer.fees.financed, true);
        case PerPaymentFee:
            return amount(offer.fees.perPayment);
        case YearlyFee:
            return amount(offer.fees.yearly);
        case ExitFee:
            return amount(offer.fees.exit);
        default:
            break;
    }
    return std::nullopt;
}

QVariant OfferModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case Qt::AccessibleTextRole:
            return unread_.value({column, row},
                                 textOf(offers_[static_cast<std::size_t>(column)], row));
        case Qt::ToolTipRole:
            return unread_.contains({column, row}) ? tr("Not read: the offer is left as it was")
                                                   : QVariant();
        case ChoicesRole:
            if (row == Frequency) return wordList(plan::kFrequencies);
            if (row == DayCount) return wordList(plan::kDayCounts);
            if (row == WholeCents || row == Accelerated) return kYesNo;
            if (row == InstalmentRule) return wordList(plan::kInstalmentRules);
            return QStringList();
        default:
            return {};
    }
}

bool OfferModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int column = index.column();
    const int row = index.row();
    const QString typed = value.toString();
    if (typed == data(index, Qt::EditRole).toString()) return true;
    plan::PlanInputs& offer = offers_[static_cast<std::size_t>(column)];
    if (read(offer, row, typed)) {
        unread_.insert({column, row}, typed);
    } else {
        unread_.remove({column, row});
    }
    // Typing a term clears the other one.
    emit dataChanged(this->index(Payments, column), this->index(RowCount - 1, column));
    emit dataChanged(index, index);
    if (row == Name) emit headerDataChanged(Qt::Horizontal, column, column);
    emit offersChanged();
    return true;
}

Qt::ItemFlags OfferModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant OfferModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return tr(kCaptions[section]);
    const std::string& name = offers_[static_cast<std::size_t>(section)].name;
    return name.empty() ? tr("Offer %1").arg(section + 1) : text(name);
}

}  // namespace brisanel::app::compare
