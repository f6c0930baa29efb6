#include "app/command_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace brisanel::app {
namespace {

// The window that holds `object`: a menu's actions belong to the menu bar's window, not to the
// menu's own popup.
const QWidget* windowOf(const QObject* object) {
    for (; object; object = object->parent()) {
        if (!object->isWidgetType()) continue;
        const auto* widget = static_cast<const QWidget*>(object);
        if (widget->isWindow() && widget->windowType() != Qt::Popup) return widget;
    }
    return nullptr;
}

bool windowWide(Qt::ShortcutContext context) {
    return context == Qt::WindowShortcut || context == Qt::ApplicationShortcut;
}

}  // namespace

CommandKeys::CommandKeys(QWidget* window) : QObject(window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool CommandKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != window_) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isCommand(*key)) return false;
    key->ignore();  // not the widget's: the shortcut takes it
    return true;
}

bool CommandKeys::isCommand(const QKeyEvent& key) const {
    constexpr Qt::KeyboardModifiers kCommandModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(key.modifiers() & kCommandModifiers)) return false;
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
    for (const QAction* action : window_->findChildren<QAction*>()) {
        if (action->isEnabled() && windowWide(action->shortcutContext()) &&
            action->shortcuts().contains(pressed) && windowOf(action) == window_) {
            return true;
        }
    }
    for (const QShortcut* shortcut : window_->findChildren<QShortcut*>()) {
        if (shortcut->isEnabled() && windowWide(shortcut->context()) &&
            shortcut->keys().contains(pressed) && windowOf(shortcut) == window_) {
            return true;
        }
    }
    return false;
}

}  // namespace brisanel::app
