#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace brisanel::app::planner {

/// The one local plan file (.brisanel-plan or .json) or comparison file (.brisanel-compare) among
/// dragged data, or empty.
QString droppedPlan(const QMimeData* data);

/// Opens a plan or comparison file dropped anywhere on a window. A text box would take a dragged
/// file's name as text, so drags over any widget of the window are watched from the application's
/// events, as they reach it, and the file goes to `open` instead.
///
/// Made as a child of the window, it watches while the window lives.
class PlanDrops final : public QObject {
public:
    PlanDrops(QWidget* window, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void(const QString&)> open_;
};

}  // namespace brisanel::app::planner
