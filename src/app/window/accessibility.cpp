// What assistive technology is told about the window's controls: every box, list and the period
// list is named after the label beside it, and the panel in view is announced when it changes.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <vector>

#include "app/window/captions.h"
#include "app/window/frm_interest.h"
#include "app/window/panels.h"

namespace brisanel::app {
namespace {

/// How one control is named. The parts that are present are joined in this order:
/// "<lead> <label> <continuation> (<unit>)".
struct Naming {
    const char* control;
    const char* label;  // the label beside the control, which becomes its buddy; may be null
    const char* continuation = nullptr;  // a second label that completes the first
    const char* unit = nullptr;          // a label at the control's right that names the unit
    const char* lead = nullptr;          // fixed words where the labels alone would be unclear
};

// clang-format off
constexpr Naming kNamings[] = {
    // "Interests"
    {"Text1(0)",  "Label1(0)"},
    {"Text1(1)",  "Label1(1)"},
    {"Text1(2)",  "Label1(2)"},
    {"Text1(4)",  "Label1(4)"},
    {"Text1(3)",  "Label1(3)"},
    // "Recovery Months"
    {"Text1(5)",  "Label1(5)"},
    {"Text1(7)",  "Label1(6)"},
    {"Text1(8)",  "Label1(8)", nullptr, "Label1(10)"},
    {"Text1(11)", "Label1(12)"},
    {"Text1(10)", "Label1(11)"},
    {"Text1(9)",  "Label1(9)"},
    {"Text1(12)", "Label1(13)"},
    // "Find EMI"
    {"Text1(20)", "Label1(22)"},
    {"Text1(17)", "Label1(19)", nullptr, "Label1(17)"},
    {"Text1(18)", "Label1(20)"},
    {"Text1(19)", "Label1(21)"},
    {"Text1(15)", "Label1(16)"},
    {"Text1(16)", "Label1(18)"},
    {"Text1(14)", "Label1(15)"},
    // "Find Interest Rate": the two rates have their labels underneath, which name only the
    // period ("per Month"), so the rate is said in front of them.
    {"Text1(6)",  "Label1(7)"},
    {"Text1(21)", "Label1(23)"},
    {"Combo2",    "Label1(26)"},
    {"Text1(13)", "Label1(24)", "Label1(14)"},
    {"Text1(22)", "Label1(27)", nullptr, nullptr, "Interest rate"},
    {"Text1(23)", "Label1(30)", nullptr, nullptr, "Interest rate"},
    // The details area has no labels; its header boxes serve as the list's column titles.
    {"List1",     nullptr, nullptr, nullptr, "Details"},
    {"Text2",     nullptr, nullptr, nullptr, "Details columns"},
    {"Text3",     nullptr, nullptr, nullptr, "Details columns"},
};
// clang-format on

template <typename T = QWidget>
T* named(const QWidget& window, const char* name) {
    return name ? window.findChild<T*>(QString::fromUtf8(name)) : nullptr;
}

QString caption(const QLabel* label) {
    return label ? label->text() : QString();
}

// Setting a name notifies assistive technology, so only changes are set.
void setName(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void setDescription(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

/// Names every control from the captions in view now; some captions change with the period
/// chosen and with the last rate found. Buttons are left out: Qt names them after their caption
/// as it changes ("Show Details", "Close Details"). The controls are looked up once, as this
/// runs after every click.
class ControlNamer {
public:
    explicit ControlNamer(const QWidget& window)
        : list_(named(window, "List1")),
          reducingBalance_(named<QLineEdit>(window, "Text2")),
          growth_(named<QLineEdit>(window, "Text3")) {
        for (const Naming& naming : kNamings) {
            if (QWidget* control = named(window, naming.control)) {
                controls_.push_back({control, named<QLabel>(window, naming.label),
                                     named<QLabel>(window, naming.continuation),
                                     named<QLabel>(window, naming.unit), naming.lead});
            }
        }
    }

    void nameControls() const {
        for (const NamedControl& entry : controls_) setName(*entry.control, composeName(entry));
        // The list's columns are those of the header box in view.
        if (list_ && reducingBalance_ && growth_) {
            const QLineEdit* header = reducingBalance_->isHidden() ? growth_ : reducingBalance_;
            setDescription(*list_, header->text().simplified());
        }
    }

    /// The name of one control from the captions now.
    static QString nameOf(const QWidget& window, const Naming& naming) {
        return composeName({nullptr, named<QLabel>(window, naming.label),
                            named<QLabel>(window, naming.continuation),
                            named<QLabel>(window, naming.unit), naming.lead});
    }

private:
    struct NamedControl {
        QWidget* control;
        const QLabel* label;
        const QLabel* continuation;
        const QLabel* unit;
        const char* lead;
    };

    static QString composeName(const NamedControl& entry) {
        QStringList words;
        if (entry.lead) words.append(QString::fromUtf8(entry.lead));
        for (const QLabel* label : {entry.label, entry.continuation}) {
            const QString text = caption(label);
            if (!text.isEmpty()) words.append(text);
        }
        QString name = words.join(' ');
        if (entry.unit) name += QStringLiteral(" (%1)").arg(caption(entry.unit));
        return name;
    }

    std::vector<NamedControl> controls_;
    QWidget* list_;
    const QLineEdit* reducingBalance_;
    const QLineEdit* growth_;
};

/// Tells assistive technology which panel is in view: the window's description names it, and
/// when a menu command has just brought it into view, the keyboard focus moves to its first box,
/// so that a screen reader reads the panel and that box ("Principal loan amount, 5000").
void announcePanel(QWidget& window, const Panel& panel, bool moveFocus) {
    setDescription(window, named<QGroupBox>(window, panel.frame)->title());
    if (moveFocus) {
        if (QWidget* box = named(window, panel.firstBox)) box->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace

void frmInterest::describeControls() {
    for (const Naming& naming : kNamings) {
        QLabel* label = named<QLabel>(*this, naming.label);
        QWidget* control = named(*this, naming.control);
        if (label && control) label->setBuddy(control);  // reported as the control's label
    }
    const auto namer = std::make_shared<const ControlNamer>(*this);
    namer->nameControls();
    announcePanel(*this, panelInView(), false);

    // These connections are made after the window's own handlers, so they run once a handler
    // has changed captions, shown or hidden the header boxes, or switched panels.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        connect(button, &QPushButton::clicked, this, [namer] { namer->nameControls(); });
    }
    connect(Combo2_, &QComboBox::currentIndexChanged, this, [namer] { namer->nameControls(); });
    for (const Panel& panel : panels()) {
        connect(Menu(panel.command), &QAction::triggered, this, [this, namer] {
            namer->nameControls();
            announcePanel(*this, panelInView(), true);
        });
    }
}

QString captionOf(const QWidget& window, std::string_view control) {
    for (const Naming& naming : kNamings) {
        if (control == naming.control) return ControlNamer::nameOf(window, naming);
    }
    return {};
}

}  // namespace brisanel::app
