// The planner's events and what follows an extra payment: the events table with its Add and
// Remove commands, the policy, and "finish by" with the extra it needs.
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/planner/event_table.h"
#include "app/planner/named_box.h"
#include "app/planner/plan_texts.h"
#include "app/planner/planner_window.h"
#include "plan/words.h"

namespace brisanel::app::planner {

QWidget* PlannerWindow::buildEvents() {
    auto* group = new QGroupBox(tr("&Events"), this);
    auto* layout = new QVBoxLayout(group);
    events_ = new EventTable(group);
    events_->setObjectName(QStringLiteral("tblEvents"));
    events_->setAccessibleName(tr("Events"));
    events_->setAccessibleDescription(
        tr("Extra payments and rate changes. Insert adds one, Delete removes it."));
    events_->setMinimumSize(400, 120);
    // Taller than that only with room to spare: the form scrolls only when the window is small.
    events_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(events_);
    connect(events_, &EventTable::eventsChanged, this, &PlannerWindow::edited);

    auto* buttons = new QHBoxLayout;
    const auto command = [&](const char* name, const char* caption, QKeySequence key,
                             const char* buttonName, const char* buttonCaption, auto handler) {
        auto* action = new QAction(tr(caption), events_);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // a box keeps its keys
        connect(action, &QAction::triggered, events_, handler);
        events_->addAction(action);
        auto* button = new QPushButton(tr(buttonCaption), group);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, events_, handler);
        buttons->addWidget(button);
    };
    command("actAddEvent", QT_TR_NOOP("Add Event"), Qt::Key_Insert, "btnAddEvent",
            QT_TR_NOOP("&Add (Insert)"), &EventTable::addEvent);
    command("actRemoveEvent", QT_TR_NOOP("Remove Event"), Qt::Key_Delete, "btnRemoveEvent",
            QT_TR_NOOP("Re&move (Delete)"), &EventTable::removeEvents);
    events_->setContextMenuPolicy(Qt::ActionsContextMenu);
    buttons->addStretch();
    layout->addLayout(buttons);
    return group;
}

QWidget* PlannerWindow::buildPolicy() {
    auto* group = new QGroupBox(tr("After an extra payment"), this);
    auto* layout = new QVBoxLayout(group);
    policy_ = new QButtonGroup(group);
    // Each option's name and the letter of its mnemonic, in the order of the policies' words.
    constexpr std::pair<const char*, char> kOptions[] = {{"optKeepInstalment", 'i'},
                                                         {"optKeepEnd", 'd'}};
    for (int i = 0; i < 2; ++i) {
        const auto& [name, mnemonic] = kOptions[i];
        QString caption = planText(plan::kPolicies[static_cast<std::size_t>(i)].name);
        caption.insert(caption.indexOf(QLatin1Char(mnemonic)), u'&');
        auto* option = new QRadioButton(caption, group);
        option->setObjectName(QString::fromLatin1(name));
        policy_->addButton(option, i);
        layout->addWidget(option);
    }
    policy_->button(0)->setChecked(true);
    connect(policy_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) edited();
    });

    auto* finish = new QHBoxLayout;
    finishBy_ = namedBox("txtFinishBy", tr("Finish by month or date"), group);
    finishBy_->setMaximumWidth(110);
    auto* label = new QLabel(tr("&Finish by (month or date)"), group);
    label->setBuddy(finishBy_);
    extraNeeded_ = new QLabel(group);
    extraNeeded_->setObjectName(QStringLiteral("lblExtraNeeded"));
    extraNeeded_->setAccessibleDescription(tr("Extra per month needed"));
    finish->addWidget(label);
    finish->addWidget(finishBy_);
    finish->addWidget(extraNeeded_, 1);
    layout->addLayout(finish);
    connect(finishBy_, &QLineEdit::textChanged, this, &PlannerWindow::edited);
    return group;
}

}  // namespace brisanel::app::planner
