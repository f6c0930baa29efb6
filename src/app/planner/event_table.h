#pragma once

#include <QString>
#include <QTableWidget>
#include <variant>
#include <vector>

#include "plan/plan.h"

namespace brisanel::app::planner {

/// The plan's events as an editable table: kind, amount or rate, month, until month; a month cell
/// takes a month's number or, for a plan with payment dates, a date (YYYY-MM-DD). An edit is
/// taken at every keystroke, not only when the cell is left, so the plan follows the typing.
class EventTable final : public QTableWidget {
    Q_OBJECT

public:
    enum Column { Kind, Value, Month, Until, ColumnCount };

    explicit EventTable(QWidget* parent = nullptr);

    /// Replaces the rows with `events`, without eventsChanged.
    void setEvents(const std::vector<plan::Event>& events);

    /// The events as typed, or the message naming the first cell that is not a number; the
    /// engine checks the rest. A row whose amount or rate is still empty is left out, and its
    /// number (from 1) added to `unfinished`: a new row does not hide the plan while it is typed.
    std::variant<std::vector<plan::Event>, QString> events(QList<int>* unfinished = nullptr) const;

    /// A monthly extra below the current row, with its amount cell open for typing.
    void addEvent();
    /// Removes the selected rows, or the current one.
    void removeEvents();

signals:
    /// The user changed, added or removed an event.
    void eventsChanged();

private:
    void appendRow(int row, const plan::Event& event);
    void setKind(int row, plan::EventKind kind);
    plan::EventKind kindAt(int row) const;

    bool filling_ = false;
};

}  // namespace brisanel::app::planner
