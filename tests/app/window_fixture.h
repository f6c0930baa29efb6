#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/window/frm_interest.h"
#include "scripted_dialogs.h"

// Texts print as text when a check fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace brisanel::app::testing {

/// A mouse event at `at` within the widget: a move, or a release of `button`.
inline void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::NoButton,
                  QPoint at = {2, 2}) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

/// The core's texts as the boxes show them: an empty text where the core wrote none.
template <typename... Texts>
QStringList answer(const Texts&... texts) {
    return {QString::fromStdString(texts.value_or(""))...};
}

/// A message as the user sees it: text, icon and buttons.
using Told = std::tuple<QString, MessageIcon, MessageButtons>;

/// A fresh window with scripted dialogs; controls are found by their object names, as a user's
/// tools would find them.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : window(std::make_unique<frmInterest>(dialogs)) {}

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }
    QLineEdit* text1(int i) const { return find<QLineEdit>(QString("Text1(%1)").arg(i)); }
    QLabel* label1(int i) const { return find<QLabel>(QString("Label1(%1)").arg(i)); }
    QGroupBox* frame(int n) const { return find<QGroupBox>(QString("Frame%1").arg(n)); }
    QLineEdit* header(int n) const { return find<QLineEdit>(QString("Text%1").arg(n)); }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    QComboBox* periods() const { return find<QComboBox>("Combo2"); }

    /// The window shown and active, so that it takes real key presses.
    // Shows a window, the main one unless told, and waits until it is active.
    void showActive(QWidget* shown = nullptr) {
        if (!shown) shown = window.get();
        shown->show();
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    }
    // A key pressed in a window, the main one unless told.
    void press(QKeyCombination key, QWidget* active = nullptr) {
        if (!active) active = window.get();
        QTest::keyClick(active->windowHandle(), key.key(), key.keyboardModifiers());
    }
    void click(const QString& name) const { find<QPushButton>(name)->click(); }
    void choose(const QString& name) const { find<QAction>(name)->trigger(); }
    void type(int box, const QString& text) const { text1(box)->setText(text); }
    std::string input(int box) const { return text1(box)->text().toStdString(); }
    QStringList texts(const QList<int>& boxes) const {
        QStringList result;
        for (int box : boxes) result.append(text1(box)->text());
        return result;
    }
    bool shown(const QWidget* widget) const { return widget->isVisibleTo(window.get()); }
    QStringList listLines() const {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row) lines.append(list()->item(row)->text());
        return lines;
    }

    /// Exactly these messages shown, in order, all titled "Brisanel"; then forgotten.
    void expectTold(const std::vector<Told>& told) {
        std::vector<Told> shown;
        for (const ShownMessage& message : dialogs.messages) {
            shown.emplace_back(message.text, message.icon, message.buttons);
            EXPECT_EQ(message.title, "Brisanel");
        }
        EXPECT_EQ(shown, told);
        dialogs.messages.clear();
    }
    /// Exactly the calculators' warning given, or no message for an empty text.
    void expectMessage(std::string_view text) {
        if (text.empty()) return expectTold({});
        expectTold({{QString::fromUtf8(text), MessageIcon::Exclamation, MessageButtons::Ok}});
    }

    /// The window's height, the caption of a details button, and the locks on `inputs`.
    void expectDetails(const QString& name, const QList<int>& inputs, bool open,
                       int closedHeight = 3585) const {
        EXPECT_EQ(window->outerHeightTwips(), open ? 6930 : closedHeight);
        EXPECT_EQ(find<QPushButton>(name)->text(), open ? "Close Details" : "Show Details");
        for (int box : inputs) EXPECT_EQ(text1(box)->isReadOnly(), open) << box;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<frmInterest> window;
};

/// A fresh temporary folder as the current folder while it lives, where saved names land.
struct CurrentTemporaryFolder {
    CurrentTemporaryFolder() { EXPECT_TRUE(folder.isValid() && QDir::setCurrent(folder.path())); }
    ~CurrentTemporaryFolder() { QDir::setCurrent(previous); }
    QStringList entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString previous = QDir::currentPath();
    QTemporaryDir folder;
};

}  // namespace brisanel::app::testing
