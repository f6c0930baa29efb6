#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "app/frm_interest.h"
#include "scripted_dialogs.h"

namespace brisanel::app::testing {

/// A fresh window with scripted dialogs; controls are found by their object names, as a user's
/// tools would find them.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : window(std::make_unique<frmInterest>(dialogs)) {}

    QLineEdit* text1(int index) const {
        return find<QLineEdit>(QStringLiteral("Text1(%1)").arg(index));
    }
    QLabel* label1(int index) const {
        return find<QLabel>(QStringLiteral("Label1(%1)").arg(index));
    }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QGroupBox* frame(int number) const {
        return find<QGroupBox>(QStringLiteral("Frame%1").arg(number));
    }
    QAction* menu(const QString& name) const { return find<QAction>(name); }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    QLineEdit* header(int number) const {
        return find<QLineEdit>(QStringLiteral("Text%1").arg(number));
    }
    QComboBox* periods() const { return find<QComboBox>("Combo2"); }

    void click(const QString& buttonName) const { button(buttonName)->click(); }
    void choose(const QString& menuName) const { menu(menuName)->trigger(); }
    void type(int box, const QString& text) const { text1(box)->setText(text); }

    /// The frames the user could see if the window were on screen.
    QStringList visibleFrames() const {
        QStringList names;
        for (int number = 1; number <= 4; ++number) {
            if (frame(number)->isVisibleTo(window.get())) names.append(frame(number)->objectName());
        }
        return names;
    }

    QStringList listLines() const {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row) lines.append(list()->item(row)->text());
        return lines;
    }

    template <typename T>
    T* find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<frmInterest> window;
};

}  // namespace brisanel::app::testing
