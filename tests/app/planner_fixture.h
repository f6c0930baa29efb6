#pragma once

#include <QLabel>
#include <QMainWindow>

#include "window_fixture.h"

namespace brisanel::app::testing {

/// The main window with the loan planner opened from one of its panels, as the user opens it, and
/// the planner's controls found by name.
class PlannerTest : public WindowTest {
protected:
    // A panel's four boxes, then Ctrl+L in the main window.
    void openFrom(const char* panel, std::initializer_list<std::pair<int, const char*>> boxes) {
        choose(panel);
        for (const auto& [box, text] : boxes) type(box, text);
        showActive();
        press(Qt::ControlModifier | Qt::Key_L);
    }
    // An EMI loan: principal, months, rate, nothing before the first instalment.
    void openEmi(const char* principal = "5000", const char* months = "48",
                 const char* rate = "12") {
        openFrom("mnEMI", {{20, principal}, {19, months}, {18, rate}, {17, "0"}});
    }

    QMainWindow* planner() const { return window->findChild<QMainWindow*>("frmPlanner"); }
    template <typename T = QWidget>
    T* in(const QString& name) const {
        T* found = planner()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no planner control named " << name.toStdString();
        return found;
    }
    QString text(const QString& label) const { return in<QLabel>(label)->text(); }

    CurrentTemporaryFolder folder;
};

}  // namespace brisanel::app::testing
