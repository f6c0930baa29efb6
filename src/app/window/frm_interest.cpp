#include "app/window/frm_interest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <vector>

#include "app/command_keys.h"
#include "app/details_list/tabbed_line_delegate.h"
#include "app/dialogs/dialogs.h"
#include "app/pictures.h"
#include "app/window/control_table.h"
#include "app/window/fonts.h"
#include "app/window/vector_state.h"
#include "app/window/window_style.h"
#include "app/window/wrapping_button.h"

namespace brisanel::app {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 6225;
constexpr int kStartClientHeight = 2970;
// Title bar, menu bar and borders of a window whose outer height the program sets: the outer
// height of a panel, 3690, leaves the start client height of 2970.
constexpr int kNonClientHeight = 720;

int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    if (background.isValid()) palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

QLineEdit* textBox(const ControlRow& row, QWidget* parent) {
    // The text comes after the font, so that it is laid out once, in the font it is shown in.
    auto* box = new QLineEdit(parent);
    box->setFont(fonts::boxes());
    box->setAlignment(row.look == Look::Header ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
    const QColor tooltipBase = QApplication::palette().color(QPalette::ToolTipBase);
    switch (row.look) {
        case Look::Input:
            setColours(box, {}, QColor(0, 0, 192));
            break;
        case Look::InputGreen:
            setColours(box, {}, QColor(0, 128, 0));
            break;
        case Look::Result:
            setColours(box, QColor(192, 255, 192), QColor(255, 0, 0));
            break;
        case Look::ResultInfo:
            setColours(box, tooltipBase, QColor(255, 0, 0));
            box->setFocusPolicy(Qt::ClickFocus);  // selectable with the mouse, skipped by Tab
            break;
        default:
            break;
    }
    const bool readOnly =
        row.look == Look::Result || row.look == Look::ResultInfo || row.look == Look::Header;
    box->setReadOnly(readOnly);
    box->setText(QString::fromUtf8(row.text));
    box->setCursorPosition(0);  // a text wider than the box shows its start
    return box;
}

QLabel* label(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(row.text), parent);
    // Regular-weight labels inherit the window's font as it is.
    const bool bold = row.look == Look::Label || row.look == Look::SaveLabel;
    const bool underlined = row.look == Look::LabelLink;
    if (bold || underlined) {
        QFont font = fonts::window();
        font.setBold(bold);
        font.setUnderline(underlined);
        label->setFont(font);
    }
    if (row.look == Look::LabelCentred) label->setAlignment(Qt::AlignCenter);
    if (row.look == Look::LabelLink) setColours(label, {}, QColor(128, 0, 128));
    if (row.look == Look::SaveLabel) {
        setColours(label, {}, QColor(0, 0, 192));
        label->setCursor(Qt::WhatsThisCursor);
        label->setToolTip("Click to Save");
        label->setFocusPolicy(Qt::StrongFocus);  // a stop of the Tab chain, as the buttons are
    }
    return label;
}

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    switch (row.look) {
        case Look::Frame: {
            auto* frame = new QGroupBox(QString::fromUtf8(row.text), parent);
            frame->setAutoFillBackground(true);  // a frame hides the panels beneath it
            return frame;
        }
        case Look::Input:
        case Look::InputGreen:
        case Look::Result:
        case Look::ResultInfo:
        case Look::Header:
            return textBox(row, parent);
        case Look::Label:
        case Look::LabelRegular:
        case Look::LabelCentred:
        case Look::LabelLink:
        case Look::SaveLabel:
            return label(row, parent);
        case Look::Button:
            return new WrappingButton(QString::fromUtf8(row.text), parent);
        case Look::Combo:
            return new QComboBox(parent);
        case Look::List: {
            auto* list = new QListWidget(parent);
            list->setFont(fonts::boxes());
            setColours(list, QApplication::palette().color(QPalette::ToolTipBase),
                       QColor(0, 0, 255));
            list->setUniformItemSizes(true);  // every line has the same height
            list->setItemDelegate(new TabbedLineDelegate(list));
            return list;
        }
        case Look::Picture: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignCenter);
            return picture;
        }
    }
    return nullptr;
}

// Sizes a label to its caption when it is first shown. The labels of the panels hidden at start
// are sized then rather than at start-up, where measuring every caption is a good part of the
// work before the window appears.
class FitOnFirstShow final : public QObject {
public:
    explicit FitOnFirstShow(QLabel* label) : QObject(label) { label->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QLabel*>(watched)->adjustSize();
        }
        return false;
    }
};

// "Text1(21)" -> 21
int arrayIndex(const QString& name) {
    const auto open = name.indexOf('(');
    return name.mid(open + 1, name.size() - open - 2).toInt();
}

}  // namespace

frmInterest::frmInterest(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName("frmInterest");
    setWindowTitle("Brisanel & Repayment");
    setWindowIcon(pictures::coin());
    setFont(fonts::window());
    buildControls();
    buildMenu();
    buildListCommands();
    buildPlanCommands();
    connectHandlers();
    describeControls();
    connectKeys();

    // Made after the controls, so that it outlives them as the window's children are deleted;
    // the menu bar has it before the window's height is measured with it.
    auto* style = new WindowStyle;
    style->setParent(this);
    menuBar()->setStyle(style);
    for (int number = 1; number <= 5; ++number) Frame(number)->setStyle(style);

    setOuterHeight(kStartClientHeight + kNonClientHeight);
    Form_Load();
    // The keyboard starts in the first box of the panel in view.
    controls_.value(QString::fromLatin1(panelInView().firstBox))->setFocus(Qt::OtherFocusReason);
}

void frmInterest::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlRow& row : controlTable()) {
        QWidget* container = row.parent ? controls_.value(QString::fromLatin1(row.parent)) : client;
        QWidget* widget = createControl(row, container);
        const QString name = QString::fromUtf8(row.name);
        widget->setObjectName(name);
        widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.look != Look::Picture) {
            // Labels fit their captions.
            if (container->isVisibleTo(client)) {
                label->adjustSize();
            } else {
                new FitOnFirstShow(label);
            }
        }
        widget->setVisible(row.visible);
        controls_.insert(name, widget);
        if (row.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) {
            tabStops.emplace_back(row.tabIndex, widget);
        }
        if (name.startsWith("Text1("))
            text1_[static_cast<std::size_t>(arrayIndex(name))] = qobject_cast<QLineEdit*>(widget);
    }
    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }

    Text2_ = control<QLineEdit>(QStringLiteral("Text2"));
    Text3_ = control<QLineEdit>(QStringLiteral("Text3"));
    List1_ = control<QListWidget>(QStringLiteral("List1"));
    Combo2_ = control<QComboBox>(QStringLiteral("Combo2"));
    // The list's columns start where the words of the header in view do.
    static_cast<TabbedLineDelegate*>(List1_->itemDelegate())->setHeader([this] {
        return static_cast<const QLineEdit*>(Text2_->isHidden() ? Text3_ : Text2_);
    });

    const QPixmap coin = pictures::coin();
    for (const char* name : {"Image1", "Image2", "Image3", "Image4(1)"}) {
        control<QLabel>(QString::fromLatin1(name))->setPixmap(coin);
    }
    Image4(0)->setPixmap(pictures::calculator(false));
    Image4(2)->setPixmap(pictures::calculator(true));

    // The decoration box reacts to the pointer moving over it, buttons up or down.
    for (QWidget* watched : {static_cast<QWidget*>(Frame(5)), static_cast<QWidget*>(Image4(0)),
                             static_cast<QWidget*>(Image4(1)), static_cast<QWidget*>(Image4(2))}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    Label5_ = control<QLabel>(QStringLiteral("Label5"));
    Label5_->installEventFilter(this);
}

void frmInterest::buildMenu() {
    for (const MenuRow& row : menuTable()) {
        QAction* action = menuBar()->addAction(QString::fromUtf8(row.caption));
        action->setObjectName(QString::fromUtf8(row.name));
        action->setEnabled(row.enabled);
    }
}

void frmInterest::connectHandlers() {
    const auto onMenu = [this](const char* name, void (frmInterest::*handler)()) {
        connect(Menu(name), &QAction::triggered, this, handler);
    };
    onMenu("mnExit", &frmInterest::mnExit_Click);
    onMenu("mnInterest", &frmInterest::mnInterest_Click);
    onMenu("mnRecovery", &frmInterest::mnRecovery_Click);
    onMenu("mnEMI", &frmInterest::mnEMI_Click);
    onMenu("mnFindRate", &frmInterest::mnFindRate_Click);
    onMenu("About", &frmInterest::About_Click);

    const auto onClick = [this](const char* name, void (frmInterest::*handler)()) {
        connect(Button(name), &QPushButton::clicked, this, [this, handler] {
            clearUpperVectorState();  // the repaint before the click may have left it dirty
            (this->*handler)();
        });
    };
    onClick("SimpleInt", &frmInterest::SimpleInt_Click);
    onClick("CompoundAnnually", &frmInterest::CompoundAnnually_Click);
    onClick("CompdQuarterly", &frmInterest::CompdQuarterly_Click);
    onClick("CompoundMonthly", &frmInterest::CompoundMonthly_Click);
    onClick("CompdDaily", &frmInterest::CompdDaily_Click);
    onClick("EMI", &frmInterest::EMI_Click);
    onClick("ShowDetails", &frmInterest::ShowDetails_Click);
    onClick("RecoveryMonths", &frmInterest::RecoveryMonths_Click);
    onClick("ShowDetailsM", &frmInterest::ShowDetailsM_Click);
    onClick("FindRate", &frmInterest::FindRate_Click);
    onClick("ShowDetail", &frmInterest::ShowDetail_Click);
    onClick("PrintList", &frmInterest::PrintList_Click);
    onClick("PrintListM", &frmInterest::PrintListM_Click);

    for (int index = 0; index < static_cast<int>(text1_.size()); ++index) {
        connect(Text1(index), &QLineEdit::textChanged, this,
                [this, index] { Text1_Change(index); });
    }
    connect(Combo2_, &QComboBox::currentIndexChanged, this, &frmInterest::Combo2_Click);
}

void frmInterest::connectKeys() {
    new CommandKeys(this);  // Ctrl+S and Ctrl+L from every box
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &frmInterest::saveListOfPanelInView);
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            &frmInterest::enterMenuKeyboardMode);
}

// The menu bar watches its window for an Alt pressed and released with no key between; F10 goes
// the same way into its keyboard mode, or out of it again.
void frmInterest::enterMenuKeyboardMode() {
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
}

bool frmInterest::takesTabFocus(const QWidget* widget) const {
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || widget->focusProxy() ||
        !widget->isVisibleTo(this) || !isAncestorOf(widget)) {
        return false;
    }
    // Only the topmost panel shown is in view; those beneath it are covered. While a menu
    // command switches panels, none may be shown.
    bool covered = false;
    for (const Panel& panel : panels()) {
        const QGroupBox* frame = Frame(panel.frame);
        if (frame->isAncestorOf(widget)) return !covered;
        covered = covered || !frame->isHidden();
    }
    // The growth header lies under the schedule's while that is shown.
    if (widget == Text3_ && !Text2_->isHidden()) return false;
    // The details area lies below the window's edge until the details are opened.
    const bool details = widget == List1_ || widget == Text2_ || widget == Text3_;
    return !details || outerHeight_ == kDetailsOpenHeight;
}

bool frmInterest::focusNextPrevChild(bool next) {
    QWidget* const start = focusWidget() ? focusWidget() : this;
    QWidget* widget = start;
    do {
        widget = next ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (takesTabFocus(widget)) {
            widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (widget != start);
    return false;
}

bool frmInterest::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Frame(5)) {
            Frame5_MouseMove();
            return false;
        }
        for (int index : {0, 1, 2}) {
            if (watched == Image4(index)) {
                Image4_MouseMove(index);
                return true;  // the frame beneath must not see this move, or it undoes the change
            }
        }
    } else if (QLabel* label = Label5_; watched == label) {
        switch (event->type()) {
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton &&
                    label->rect().contains(mouse->position().toPoint())) {
                    Label5_Click();
                }
                break;
            }
            case QEvent::KeyPress: {
                // Space and Return save, as they click a button.
                const auto* key = static_cast<QKeyEvent*>(event);
                if ((key->modifiers() & ~Qt::KeypadModifier) || key->isAutoRepeat()) break;
                if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                    key->key() == Qt::Key_Enter) {
                    Label5_Click();
                    return true;
                }
                break;
            }
            case QEvent::FocusIn:
            case QEvent::FocusOut: {
                // The focus shows as an underline, which leaves the label's size as it is.
                QFont font = label->font();
                font.setUnderline(event->type() == QEvent::FocusIn);
                label->setFont(font);
                break;
            }
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmInterest::closeEvent(QCloseEvent* event) {
    // An open planner asks about its changed plan first; Cancel keeps both windows open.
    if (!closePlanner()) {
        event->ignore();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel, 0);
    event->setAccepted(!cancel);
}

void frmInterest::Form_QueryUnload(bool& /*cancel*/, int /*unloadMode*/) {
    // Closing is never refused and asks nothing.
}

void frmInterest::setOuterHeight(int twips) {
    outerHeight_ = twips;
    setFixedSize(px(kClientWidth), menuBar()->sizeHint().height() + px(twips - kNonClientHeight));
}

void frmInterest::setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

void frmInterest::setLocked(std::initializer_list<int> boxes, bool locked) {
    for (int index : boxes) Text1(index)->setReadOnly(locked);
}

void frmInterest::setBoxText(int index, const std::string& text) {
    // setText leaves the cursor at the end, which scrolls a text wider than the box to its tail.
    Text1(index)->setText(QString::fromStdString(text));
    Text1(index)->setCursorPosition(0);
}

void frmInterest::showMessage(std::string_view text) {
    finishClearingList();
    dialogs_.message(QString::fromUtf8(text), "Brisanel", MessageIcon::Exclamation,
                     MessageButtons::Ok);
}

QLabel* frmInterest::Label1(int index) const {
    return control<QLabel>(QStringLiteral("Label1(%1)").arg(index));
}

QLabel* frmInterest::Image4(int index) const {
    return control<QLabel>(QStringLiteral("Image4(%1)").arg(index));
}

QGroupBox* frmInterest::Frame(int number) const {
    return control<QGroupBox>(QStringLiteral("Frame%1").arg(number));
}

QGroupBox* frmInterest::Frame(const char* name) const {
    return control<QGroupBox>(QString::fromLatin1(name));
}

QPushButton* frmInterest::Button(const char* name) const {
    return control<QPushButton>(QString::fromLatin1(name));
}

QAction* frmInterest::Menu(const char* name) const {
    return menuBar()->findChild<QAction*>(QString::fromUtf8(name));
}

}  // namespace brisanel::app
