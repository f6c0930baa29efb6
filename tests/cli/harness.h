#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "app/frm_interest.h"
#include "app/scripted_dialogs.h"

namespace brisanel::cli::testing {

/// What one run of brisanel-calc left behind.
struct CalcRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString errText() const { return QString::fromUtf8(err).trimmed(); }
};

inline CalcRun runCalc(const QStringList& arguments, const QString& workingDirectory = {}) {
    QProcess process;
    if (!workingDirectory.isEmpty()) process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(BRISANEL_CALC), arguments);
    // A generous bound, only so that a hung program fails the test instead of the whole run.
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished) << "brisanel-calc did not finish: " << arguments.join(' ').toStdString();
    CalcRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

/// A fresh calculator window with scripted dialogs, driven through its controls and handlers.
class Window {
public:
    Window() : window_(std::make_unique<app::frmInterest>(dialogs)) {}

    QLineEdit* text1(int index) const {
        return find<QLineEdit>(QStringLiteral("Text1(%1)").arg(index));
    }
    QString box(int index) const { return text1(index)->text(); }
    void type(int index, const QString& text) const { text1(index)->setText(text); }
    void click(const QString& button) const { find<QPushButton>(button)->click(); }
    void selectPeriod(int position) const {
        find<QComboBox>(QStringLiteral("Combo2"))->setCurrentIndex(position);
    }
    QString caption(int label) const {
        return find<QLabel>(QStringLiteral("Label1(%1)").arg(label))->text();
    }
    QString header(int number) const {
        return find<QLineEdit>(QStringLiteral("Text%1").arg(number))->text();
    }
    QStringList listLines() const {
        auto* list = find<QListWidget>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
        return lines;
    }
    QStringList messages() const { return dialogs.texts(); }
    app::frmInterest& handlers() const { return *window_; }

    app::testing::ScriptedDialogs dialogs;

private:
    template <typename T>
    T* find(const QString& name) const {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }

    std::unique_ptr<app::frmInterest> window_;
};

}  // namespace brisanel::cli::testing
