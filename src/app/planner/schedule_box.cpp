#include "app/planner/schedule_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <array>

#include "export/table_csv.h"
#include "numeric/number_rules.h"
#include "plan/words.h"

namespace brisanel::app::planner {
namespace {

// The names for people, in the order of the engine's word tables.
constexpr std::array<const char*, plan::kFrequencies.size()> kFrequencyNames = {
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Monthly"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Fortnightly"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Weekly"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Quarterly")};
constexpr std::array<const char*, plan::kDayCounts.size()> kDayCountNames = {
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Periodic"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "30/360"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Actual/365"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Actual/360"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Actual/actual")};
constexpr std::array<const char*, plan::kInstalmentRules.size()> kRuleNames = {
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Nearest cent"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Up to the cent"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::ScheduleBox", "Up to a whole unit")};

// Dates as the plan files and the events table write them, so that one form is typed everywhere.
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

// The box typed into inside a spin box answers to the spin box's name.
void nameTypingBox(QAbstractSpinBox* spin) {
    if (auto* typing = spin->findChild<QLineEdit*>())
        typing->setAccessibleName(spin->accessibleName());
}

QDateEdit* dateEdit(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    edit->setDisplayFormat(kDateFormat);
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    nameTypingBox(edit);
    return edit;
}

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

// A control's tooltip says why it is greyed, and nothing once it is not.
void enable(QWidget* control, bool enabled, const QString& why) {
    control->setEnabled(enabled);
    control->setToolTip(enabled ? QString() : why);
}

template <typename Table, typename Field, typename Value>
int placeIn(const Table& table, Field field, Value value) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].*field == value) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

ScheduleBox::ScheduleBox(QWidget* parent) : QGroupBox(tr("Schedule"), parent) {
    setObjectName(QStringLiteral("grpSchedule"));
    auto* layout = new QFormLayout(this);
    const auto combo = [this](const char* name, const QString& accessibleName, const auto& names) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setAccessibleName(accessibleName);
        for (const char* caption : names) list->addItem(tr(caption));
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            updateEnabled();
            emit changed();
        });
        return list;
    };
    const auto labelled = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        layout->addRow(label, field);
    };
    frequency_ = combo("cmbFrequency", tr("Payment frequency"), kFrequencyNames);
    accelerated_ = checkBox("chkAccelerated", tr("Acc&elerated"), this);
    accelerated_->setWhatsThis(
        tr("Half the monthly instalment every fortnight, or a quarter of it every week."));
    labelled(tr("Fre&quency"), frequency_);
    layout->addRow(QString(), accelerated_);

    hasFirstPayment_ = checkBox("chkFirstPayment", tr("First &payment on"), this);
    firstPayment_ = dateEdit("dateFirstPayment", tr("First payment date"), this);
    hasLoanDate_ = checkBox("chkLoanDate", tr("Loan paid &out on"), this);
    loanDate_ = dateEdit("dateLoanDate", tr("Loan date"), this);
    layout->addRow(hasFirstPayment_, firstPayment_);
    layout->addRow(hasLoanDate_, loanDate_);
    // A date is offered from the next month's first day, and the loan a month before it.
    const QDate today = QDate::currentDate();
    firstPayment_->setDate(QDate(today.year(), today.month(), 1).addMonths(1));
    loanDate_->setDate(firstPayment_->date().addMonths(-1));

    dayCount_ = combo("cmbDayCount", tr("Day count"), kDayCountNames);
    labelled(tr("Da&y count"), dayCount_);

    cents_ = checkBox("chkCents", tr("Whole &cents"), this);
    instalmentRule_ = combo("cmbInstalmentRule", tr("Instalment rounding"), kRuleNames);
    layout->addRow(cents_, instalmentRule_);

    balloon_ = new QLineEdit(this);
    balloon_->setObjectName(QStringLiteral("txtBalloon"));
    balloon_->setAccessibleName(tr("Balloon payment"));
    balloon_->setPlaceholderText(tr("none"));
    labelled(tr("&Balloon"), balloon_);

    interestOnly_ = new QSpinBox(this);
    interestOnly_->setObjectName(QStringLiteral("spnInterestOnly"));
    interestOnly_->setAccessibleName(tr("Interest-only payments"));
    interestOnly_->setRange(0, plan::kMonthLimit - 1);
    nameTypingBox(interestOnly_);
    labelled(tr("&Interest only (payments)"), interestOnly_);

    for (QCheckBox* check : {accelerated_, hasFirstPayment_, hasLoanDate_, cents_}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            updateEnabled();
            emit changed();
        });
    }
    for (QDateEdit* edit : {firstPayment_, loanDate_})
        connect(edit, &QDateEdit::dateChanged, this, &ScheduleBox::changed);
    connect(balloon_, &QLineEdit::textChanged, this, &ScheduleBox::changed);
    connect(interestOnly_, &QSpinBox::valueChanged, this, &ScheduleBox::changed);
    updateEnabled();
}

void ScheduleBox::updateEnabled() {
    const bool dated = hasDates();
    const QString needsDates = tr("Needs a first payment date.");
    const plan::Frequency shown = frequency();
    enable(accelerated_, shown == plan::Frequency::Fortnightly || shown == plan::Frequency::Weekly,
           tr("Only fortnightly and weekly payments are accelerated."));
    firstPayment_->setEnabled(dated);
    enable(hasLoanDate_, dated, needsDates);
    enable(loanDate_, dated && hasLoanDate_->isChecked(),
           dated ? tr("Left out, the loan is paid out one period before the first payment.")
                 : needsDates);
    enable(dayCount_, dated, needsDates);
    enable(instalmentRule_, cents_->isChecked(), tr("Only in whole cents."));
}

bool ScheduleBox::hasDates() const {
    return hasFirstPayment_->isChecked();
}

plan::Frequency ScheduleBox::frequency() const {
    return plan::kFrequencies[static_cast<std::size_t>(std::max(0, frequency_->currentIndex()))]
        .frequency;
}

bool ScheduleBox::accelerated() const {
    return accelerated_->isEnabled() && accelerated_->isChecked();
}

std::variant<plan::ScheduleOptions, QString> ScheduleBox::options() const {
    plan::ScheduleOptions options;
    options.frequency = frequency();
    options.accelerated = accelerated();
    // Greyed options are left out, not kept: they would be refused for want of a date.
    if (hasDates()) {
        options.firstPayment = firstPayment_->date();
        if (hasLoanDate_->isChecked()) options.loanDate = loanDate_->date();
        options.dayCount =
            plan::kDayCounts[static_cast<std::size_t>(std::max(0, dayCount_->currentIndex()))]
                .dayCount;
    }
    if (cents_->isChecked()) {
        options.rounding = plan::Rounding::Cent;
        options.instalmentRule = plan::kInstalmentRules[static_cast<std::size_t>(std::max(
                                                            0, instalmentRule_->currentIndex()))]
                                     .rule;
    }
    if (const QString balloon = balloon_->text().trimmed(); !balloon.isEmpty()) {
        options.balloon = numeric::numberIn(balloon.toStdString());
        if (!options.balloon) return tr("Balloon: \"%1\" is not a number.").arg(balloon);
    }
    options.interestOnly = interestOnly_->value();
    return options;
}

void ScheduleBox::setOptions(const plan::ScheduleOptions& options) {
    const QSignalBlocker frequency(frequency_), accelerated(accelerated_),
        hasFirstPayment(hasFirstPayment_), firstPayment(firstPayment_), hasLoanDate(hasLoanDate_),
        loanDate(loanDate_), dayCount(dayCount_), cents(cents_), rule(instalmentRule_),
        balloon(balloon_), interestOnly(interestOnly_);
    frequency_->setCurrentIndex(
        placeIn(plan::kFrequencies, &plan::FrequencyWords::frequency, options.frequency));
    accelerated_->setChecked(options.accelerated);
    hasFirstPayment_->setChecked(options.firstPayment.has_value());
    if (options.firstPayment) firstPayment_->setDate(*options.firstPayment);
    hasLoanDate_->setChecked(options.loanDate.has_value());
    if (options.loanDate) loanDate_->setDate(*options.loanDate);
    dayCount_->setCurrentIndex(
        placeIn(plan::kDayCounts, &plan::DayCountWords::dayCount, options.dayCount));
    cents_->setChecked(options.rounding == plan::Rounding::Cent);
    instalmentRule_->setCurrentIndex(
        placeIn(plan::kInstalmentRules, &plan::InstalmentRuleWords::rule, options.instalmentRule));
    balloon_->setText(options.balloon
                          ? QString::fromStdString(saving::fullPrecision(*options.balloon))
                          : QString());
    interestOnly_->setValue(options.interestOnly);
    updateEnabled();
}

QList<QWidget*> ScheduleBox::tabChain() const {
    return {frequency_, accelerated_, hasFirstPayment_, firstPayment_, hasLoanDate_, loanDate_,
            dayCount_,  cents_,       instalmentRule_,  balloon_,      interestOnly_};
}

}  // namespace brisanel::app::planner
