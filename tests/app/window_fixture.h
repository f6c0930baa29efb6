#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "app/frm_interest.h"
#include "scripted_dialogs.h"

namespace brisanel::app::testing {

/// A mouse event at `at` within the widget: a move, or a press or release of `button`.
inline void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::NoButton,
                  QPoint at = {2, 2}) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

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
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QAction* menu(const QString& name) const { return find<QAction>(name); }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    QComboBox* periods() const { return find<QComboBox>("Combo2"); }

    void click(const QString& name) const { button(name)->click(); }
    void choose(const QString& name) const { menu(name)->trigger(); }
    void type(int box, const QString& text) const { text1(box)->setText(text); }
    void fill(const QList<int>& boxes, const QStringList& texts) const {
        for (int i = 0; i < boxes.size(); ++i) type(boxes[i], texts[i]);
    }
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

    /// Exactly the calculators' warning given, or no message for an empty text; then forgotten.
    void expectMessage(std::string_view text) {
        EXPECT_EQ(dialogs.texts(),
                  text.empty() ? QStringList() : QStringList{QString::fromUtf8(text)});
        for (const ShownMessage& shown : dialogs.messages) {
            EXPECT_EQ(shown.title, "Brisanel");
            EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
            EXPECT_EQ(shown.buttons, MessageButtons::Ok);
        }
        dialogs.messages.clear();
    }

    /// The height, the caption of a details button, and the locks on `inputs`, open or closed.
    void expectDetails(const QString& name, const QList<int>& inputs, bool open,
                       int closedHeight = 3585) const {
        EXPECT_EQ(window->outerHeightTwips(), open ? 6930 : closedHeight);
        EXPECT_EQ(button(name)->text(), open ? "Close Details" : "Show Details");
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
