#include "app/planner/years_box.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <array>

namespace brisanel::app::planner {
namespace {

struct YearsItem {
    const char* caption;
    plan::YearStart years;
};

using Kind = plan::YearStart::Kind;
const std::array<YearsItem, 4> kItems = {{
    {QT_TRANSLATE_NOOP("brisanel::app::planner::YearsBox", "Loan years"), {Kind::Loan, 1, 1}},
    {QT_TRANSLATE_NOOP("brisanel::app::planner::YearsBox", "Calendar years"),
     {Kind::Calendar, 1, 1}},
    {QT_TRANSLATE_NOOP("brisanel::app::planner::YearsBox", "Tax year from 1 April"),
     {Kind::Fiscal, 4, 1}},
    {QT_TRANSLATE_NOOP("brisanel::app::planner::YearsBox", "Tax year from 6 April"),
     {Kind::Fiscal, 4, 6}},
}};

}  // namespace

YearsBox::YearsBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("cmbYears"));
    setAccessibleName(tr("Years of the summary"));
    setAccessibleDescription(
        tr("Loan years, calendar years, a tax year, or a year's first day "
           "typed as MM-DD"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // a day typed is read, not added to the list
    for (const YearsItem& item : kItems) addItem(tr(item.caption));
    lineEdit()->setPlaceholderText(tr("MM-DD"));
    lineEdit()->setAccessibleName(accessibleName());
    connect(this, &QComboBox::currentTextChanged, this, &YearsBox::changed);
}

std::optional<plan::YearStart> YearsBox::years() const {
    if (!isEnabled()) return plan::YearStart{};
    const QString text = currentText().trimmed();
    for (const YearsItem& item : kItems) {
        if (text == tr(item.caption)) return item.years;
    }
    return plan::readYearStart(text.toStdString());
}

void YearsBox::setYears(const plan::YearStart& years) {
    const QSignalBlocker quiet(this);
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        if (kItems[i].years == years) {
            setCurrentIndex(static_cast<int>(i));
            setEditText(itemText(static_cast<int>(i)));
            return;
        }
    }
    setEditText(QString::fromStdString(plan::yearStartText(years)));
}

void YearsBox::setDated(bool dated) {
    if (dated == isEnabled()) return;
    setEnabled(dated);
    setToolTip(dated ? QString() : tr("Calendar and tax years need a first payment date."));
}

}  // namespace brisanel::app::planner
