#include "app/planner/plan_drops.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace brisanel::app::planner {

QString droppedPlan(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    const bool document =
        suffix == u"brisanel-plan" || suffix == u"json" || suffix == u"brisanel-compare";
    return document ? url.toLocalFile() : QString();
}

PlanDrops::PlanDrops(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
    qApp->installEventFilter(this);
}

bool PlanDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    auto* drop = static_cast<QDropEvent*>(event);  // DragEnter and DragMove derive from it
    const QString name = droppedPlan(drop->mimeData());
    if (name.isEmpty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) open_(name);
    return true;
}

}  // namespace brisanel::app::planner
