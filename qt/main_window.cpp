#include "qt/main_window.h"

#include "core/hints.h"
#include "form/bindings.h"
#include "form/colours.h"
#include "form/form1.h"
#include "form/placement.h"
#include "qt/internal/box_tip.h"
#include "qt/internal/fonts.h"
#include "qt/internal/link_label.h"
#include "qt/internal/open_page.h"
#include "qt/internal/qt_number_locale.h"
#include "resources/program_art.h"
#include "ui_form1.h"

#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QString>

#include <limits>
#include <optional>

namespace acpower {

namespace {

QString ToQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

form::Rgb RgbOf(const QColor& colour)
{
    return form::Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue())};
}

QColor ColourOf(const form::Rgb& colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

form::Theme ThemeOf(const QPalette& palette)
{
    return form::Theme{RgbOf(palette.color(QPalette::Window)), RgbOf(palette.color(QPalette::WindowText)),
                       RgbOf(palette.color(QPalette::Base)), RgbOf(palette.color(QPalette::Text))};
}

// A whole light palette around the classic colours, so that the entry boxes,
// the selector and its list match the captions.
QPalette ClassicPalette()
{
    QPalette palette(ColourOf(form::ClassicLight.Window));
    palette.setColor(QPalette::Window, ColourOf(form::ClassicLight.Window));
    palette.setColor(QPalette::WindowText, ColourOf(form::ClassicLight.WindowText));
    palette.setColor(QPalette::Base, ColourOf(form::ClassicLight.Base));
    palette.setColor(QPalette::Text, ColourOf(form::ClassicLight.Text));
    palette.setColor(QPalette::ButtonText, ColourOf(form::ClassicLight.WindowText));
    return palette;
}

form::ScreenRect ToScreenRect(const QRect& rect)
{
    return form::ScreenRect{rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , ui_(std::make_unique<Ui::Form1>())
    , calculator_(NumberLocaleOf(QLocale()))
{
    RegisterFontFallbacks();
    ui_->setupUi(this);
    StyleControls();
    FillWindowSides();
    ConnectNotifications();
    FitColoursToTheme();
    CentreOnScreen();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::Control(std::string_view name) const
{
    const QString objectName = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
    return findChild<QWidget*>(objectName, Qt::FindDirectChildrenOnly);
}

void MainWindow::StyleControls()
{
    // A Designer form stores whole point sizes only, so the faces the form
    // names for single controls (9.75 pt) are set here.
    const QCursor hand = LinkCursor();
    for (const form::Control& control : form::Form1Controls) {
        QWidget* widget = Control(control.Name);
        if (control.OwnFont) {
            widget->setFont(FontOf(*control.OwnFont));
        }
        if (control.Link) {
            widget->setCursor(hand);
        }
    }
    setWindowIcon(ProgramIcon());

    // The layout is fixed, so a maximise button would only offer a grey void.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void MainWindow::FillWindowSides()
{
    for (const WindowSideEntry& entry : WindowSides) {
        ui_->Combo1->addItem(ToQString(entry.Text));
    }
    // Showing the shady side is not a pick: activated() fires for the user's
    // choices only, so no recalculation runs and the result boxes stay empty.
    ui_->Combo1->setCurrentIndex(static_cast<int>(IndexOf(calculator_.SelectShadySide())));
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
    connect(ui_->Combo1, qOverload<int>(&QComboBox::activated), this, &MainWindow::ApplyPickedWindowSide);
    for (const form::Control& control : form::Form1Controls) {
        if (control.Link) {
            connect(qobject_cast<LinkLabel*>(Control(control.Name)), &LinkLabel::clicked, this, &OpenCompanyPage);
        }
        // A result box reached with the keyboard shows its hover text too.
        if (control.Kind == form::ControlKind::ResultBox) {
            Control(control.Name)->installEventFilter(this);
        }
    }
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
        // Runs this rule once more, nested, on the empty text; the outer
        // results written below are the same as the nested ones.
        box->setText(QString());
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
    if (const std::optional<WindowSide> side = SideAt(ui_->Combo1->currentIndex())) {
        ShowResults(calculator_.ApplyWindowSide(*side));
    }
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        auto* box = qobject_cast<QLineEdit*>(Control(binding.Box));
        box->setText(QString::fromStdU16String(TextOf(results, binding.Shows)));
        // Tool tips double as the boxes' accessible descriptions.
        box->setToolTip(QString::fromStdU16String(calculator_.Hint(binding.Shows)));
    }
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
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool keyboard
            = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        if (keyboard && !box->toolTip().isEmpty()) {
            Tip().ShowAt(box, box->toolTip(), HintMilliseconds, false);
        }
    }
    if (box != nullptr && event->type() == QEvent::FocusOut && tip_ != nullptr && tip_->Box() == box) {
        tip_->Dismiss();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace acpower
