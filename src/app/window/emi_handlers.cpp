// The "Find EMI" panel: the instalment and its month-by-month schedule (calc/emi).
#include <QLineEdit>
#include <QListWidget>

#include "app/window/frm_interest.h"
#include "calc/emi.h"

namespace brisanel::app {

void frmInterest::EMI_Click() {
    Text1(14)->clear();
    Text1(15)->clear();
    Text1(16)->clear();
    const std::string principal = Text1(20)->text().toStdString();
    const std::string duration = Text1(19)->text().toStdString();
    const std::string startAfter = Text1(17)->text().toStdString();
    const std::string rate = Text1(18)->text().toStdString();
    const calc::EmiOutcome out = calc::computeEmi({principal, duration, startAfter, rate});
    if (out.figures) emi_ = *out.figures;
    if (out.emi) setBoxText(14, *out.emi);
    if (out.grossRecovery) setBoxText(16, *out.grossRecovery);
    if (out.grossInterest) setBoxText(15, *out.grossInterest);
    if (out.hasMessage()) showMessage(out.message);
    EmiFailed = out.failed();
}

void frmInterest::ShowDetails_Click() {
    Text2_->show();
    if (EmiFailed) return;  // a successful "Find EMI" is needed first
    clearList();
    EMI_Click();
    // The schedule comes from the stored figures, which a refused input leaves as they were.
    const calc::ScheduleOutcome schedule = calc::emiSchedule(emi_);
    fillList(details::scheduleLines(schedule.rows));
    keepListSource(ListKind::Schedule, schedule.rows, !EmiFailed);
    if (schedule.hasMessage()) showMessage(schedule.message);
    if (schedule.failed() || EmiFailed) return;
    openOrCloseDetails(showDetailsOpen_, Button("ShowDetails"), {17, 18, 19, 20});
}

}  // namespace brisanel::app
