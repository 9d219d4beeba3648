#include "qt/main_window.h"

#include "core/hints.h"
#include "form/account.h"
#include "form/bindings.h"
#include "form/colours.h"
#include "form/company_page.h"
#include "form/form1.h"
#include "form/placement.h"
#include "qt/internal/box_tip.h"
#include "qt/internal/fonts.h"
#include "qt/internal/form_controls.h"
#include "qt/internal/link_label.h"
#include "qt/internal/qt_number_locale.h"
#include "qt/internal/screen_rect.h"
#include "qt/internal/selector_box.h"
#include "resources/program_art.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QClipboard>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QShortcut>
#include <QString>
#include <QToolTip>

#include <cstddef>
#include <limits>
#include <optional>

namespace acpower {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , calculator_(NumberLocaleOf(QLocale()))
{
    RegisterFontFallbacks();
    CreateControls();
    setWindowIcon(ProgramIcon());
    // The layout is fixed, so a maximise button would only offer a grey void.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FillWindowSides();
    ConnectNotifications();
    FitColoursToTheme();
    CentreOnScreen();
}

QWidget* MainWindow::Control(std::string_view name) const
{
    const form::Control* control = form::FindControl(name);
    if (control == nullptr) {
        return nullptr;
    }
    return controls_.at(static_cast<std::size_t>(control - form::Form1Controls.data()));
}

void MainWindow::CreateControls()
{
    setObjectName(Latin1(form::Form1.Name));
    setWindowTitle(ToQString(form::Form1.Title));
    setFixedSize(PixelsOf(form::Form1.ClientWidth), PixelsOf(form::Form1.ClientHeight));
    setFont(FontOf(form::Form1.DefaultFont));

    // Made in the table's order, which stacks them: of two neighbours that
    // touch, the later one is drawn on top.
    const QCursor hand = LinkCursor();
    for (std::size_t i = 0; i < form::Form1Controls.size(); ++i) {
        controls_.at(i) = NewControl(form::Form1Controls.at(i), this, hand);
    }
    // A caption may name a box made after it.
    for (const form::Control& control : form::Form1Controls) {
        if (!control.LabelFor.empty()) {
            qobject_cast<QLabel*>(Control(control.Name))->setBuddy(Control(control.LabelFor));
        }
    }
    const auto order = form::TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(Control(order.at(i - 1)->Name), Control(order.at(i)->Name));
    }
}

void MainWindow::FillWindowSides()
{
    auto* selector = qobject_cast<QComboBox*>(Control(form::SideSelector));
    for (const WindowSideEntry& entry : WindowSides) {
        selector->addItem(ToQString(entry.Text));
    }
    // Showing the shady side is not a pick: activated() fires for the user's
    // choices only, so no recalculation runs and the result boxes stay empty.
    selector->setCurrentIndex(static_cast<int>(IndexOf(calculator_.SelectShadySide())));
}

void MainWindow::ConnectNotifications()
{
    // textChanged, unlike textEdited, also reports texts the program sets,
    // which includes the emptying that the entry rule asks for.
    for (const form::EntryBinding& binding : form::EntryBoxes) {
        auto* box = qobject_cast<QLineEdit*>(Control(binding.Box));
        // A pasted text is judged whole, however long, as on Windows; the
        // box's own limit would cut it at 32767 characters.
        box->setMaxLength(std::numeric_limits<int>::max());
        const EntryField field = binding.Field;
        connect(box, &QLineEdit::textChanged, this, [this, box, field] { AcceptEntry(box, field); });
    }
    // activated, unlike currentIndexChanged, also fires when the user picks
    // the entry already shown, and that pick recalculates as well.
    connect(qobject_cast<QComboBox*>(Control(form::SideSelector)), qOverload<int>(&QComboBox::activated), this,
            &MainWindow::ApplyPickedWindowSide);
    for (const form::Control& control : form::Form1Controls) {
        if (control.Link) {
            connect(qobject_cast<LinkLabel*>(Control(control.Name)), &LinkLabel::clicked, this, &OpenCompanyPage);
        }
        // A result box reached with the keyboard shows its hover text too.
        if (control.Kind == form::ControlKind::ResultBox) {
            Control(control.Name)->installEventFilter(this);
        }
    }
    auto* copy = new QShortcut(QKeySequence(QString::fromStdU16String(std::u16string(form::CopyAccountKeys))), this);
    connect(copy, &QShortcut::activated, this, &MainWindow::CopyAccount);
    // The window opens with the focus on the first box, not on the first
    // focusable control made, which is a brand half. Set here, not with the
    // tab order: Qt 5 drops the focus of a window not yet made when
    // setWindowFlags runs.
    Control(form::TabOrder().front()->Name)->setFocus();
}

void MainWindow::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // move() places the frame, title bar included, where the window system
    // knows it; before the first show the frame adds nothing yet.
    const QSize outer = frameGeometry().size();
    const form::ScreenRect placed
        = form::PlaceCentred(outer.width(), outer.height(), ToScreenRect(screen->availableGeometry()));
    move(placed.Left, placed.Top);
}

// The form sets a few colours and leaves the rest to the theme, which works
// on the light desktops it was drawn for. Pairing each set colour with its
// counterpart instead would leave light patches behind the coloured captions on a
// dark window, and light result boxes among dark entry boxes. So where the
// theme cannot carry the form's colours (a dark or a high-contrast theme),
// the whole window takes the classic light look, on which every colour of
// the form reads; on a light theme the window follows the theme untouched.
void MainWindow::FitColoursToTheme()
{
    if (!form::FormReadsOn(ThemeOf(palette()))) {
        // The classic look reads, so the palette change this causes ends here.
        setPalette(ClassicPalette());
    }
    FitPopupsToLook();
}

// The pop-ups are windows of their own, which the window's palette does not
// reach: tips take the application's tool-tip palette, and the selector's
// list a menu's.
void MainWindow::FitPopupsToLook()
{
    // Only the classic look is the window's own palette.
    const bool classic = testAttribute(Qt::WA_SetPalette);
    if (classic) {
        QToolTip::setPalette(ClassicPalette());
    } else if (QToolTip::palette() == ClassicPalette()) {
        // An unset palette leaves the tips to the theme again.
        QToolTip::setPalette(QPalette());
    }
    // A list drawn as a menu takes every colour that it does not set itself
    // from the theme's menus.
    qobject_cast<QComboBox*>(Control(form::SideSelector))->view()->setPalette(classic ? ClassicPalette() : QPalette());
}

BoxTip& MainWindow::Tip()
{
    if (tip_ == nullptr) {
        tip_ = new BoxTip(this);
    }
    return *tip_;
}

void MainWindow::AcceptEntry(QLineEdit* box, EntryField field)
{
    const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, box->text().toStdU16String());
    if (outcome.ClearBox) {
        // Setting a text wipes the box's history, so the number offered back
        // is set, then deleted as an edit: the box's own undo (Ctrl+Z, the
        // context menu) brings it back, and the rule runs on it as on any
        // change. Each change runs this rule, nested; the outer results
        // written below are the same as those of the last, the empty text.
        box->setText(ToQString(outcome.Restorable));
        box->selectAll();
        box->del();
    }
    ShowResults(outcome.Results);
    if (!outcome.Notice.empty()) {
        Tip().ShowAt(box, ToQString(outcome.Notice), NoticeMilliseconds, true);
    } else if (tip_ != nullptr && tip_->Box() == box) {
        tip_->Dismiss();
    }
}

void MainWindow::ApplyPickedWindowSide()
{
    const auto* selector = qobject_cast<QComboBox*>(Control(form::SideSelector));
    if (const std::optional<WindowSide> side = SideAt(selector->currentIndex())) {
        ShowResults(calculator_.ApplyWindowSide(*side));
    }
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        auto* box = qobject_cast<QLineEdit*>(Control(binding.Box));
        box->setText(QString::fromStdU16String(TextOf(results, binding.Shows)));
        // setText leaves the cursor at the end, and a text wider than the
        // box would show its tail; the leading digits say how large it is.
        box->setCursorPosition(0);
        // Tool tips double as the boxes' accessible descriptions.
        box->setToolTip(QString::fromStdU16String(calculator_.Hint(binding.Shows)));
    }
}

// A result box reached with the keyboard shows its hover text, as the mouse
// resting on it would.
void MainWindow::OnResultFocused(QWidget* box)
{
    if (!box->toolTip().isEmpty()) {
        Tip().ShowAt(box, box->toolTip(), HintMilliseconds, false);
    }
}

void MainWindow::CopyAccount()
{
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(form::Account(calculator_)));
}

// The box's own menu, with the account's copy under it: a menu bar would
// change the form's layout.
void MainWindow::ShowResultMenu(QLineEdit* box, const QPoint& where)
{
    QMenu* menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    const std::u16string label
        = std::u16string(form::CopyAccountCommand) + u"\t" + std::u16string(form::CopyAccountKeys);
    connect(menu->addAction(QString::fromStdU16String(label)), &QAction::triggered, this, &MainWindow::CopyAccount);
    menu->popup(where);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (tip_ != nullptr) {
        tip_->Dismiss();
    }
    OpenCompanyPage();
    event->accept();
}

bool MainWindow::event(QEvent* event)
{
    // A new desktop theme reaches event() only, never changeEvent(). The
    // classic look taken for the old theme is dropped; the palette change
    // that follows judges the new one.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        setPalette(QPalette());
    }
    return QWidget::event(event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        FitColoursToTheme();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (box != nullptr && event->type() == QEvent::FocusIn) {
        // The mouse shows the hover text by itself, and a box clicked into
        // needs no second copy of it under the pointer.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            OnResultFocused(box);
        }
    }
    auto* resultBox = qobject_cast<QLineEdit*>(watched);
    if (resultBox != nullptr && event->type() == QEvent::ContextMenu) {
        ShowResultMenu(resultBox, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (box != nullptr && event->type() == QEvent::FocusOut && tip_ != nullptr && tip_->Box() == box) {
        tip_->Dismiss();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace acpower
