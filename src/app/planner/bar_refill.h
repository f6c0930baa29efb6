#pragma once

#include <QBarSet>
#include <QList>

namespace brisanel::app::planner {

/// Changes a bar set's values to `values`, keeping the bars when their number is the same: each
/// bar replaced lays out only itself, where a refilled set lays out every bar again.
inline void refill(QBarSet* set, const QList<qreal>& values) {
    if (set->count() != values.size()) {
        set->remove(0, set->count());
        set->append(values);
        return;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (set->at(i) != values[i]) set->replace(i, values[i]);
    }
}

}  // namespace brisanel::app::planner
