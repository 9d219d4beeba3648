#include "window/main_window.h"

#include "form/bindings.h"
#include "form/form1.h"
#include "link/company_page.h"
#include "resources/program_art.h"
#include "ui_form1.h"
#include "window/fonts.h"
#include "window/link_label.h"
#include "window/qt_number_locale.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QString>
#include <QStyle>

namespace acpower {

namespace {

QString ToQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
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
    for (const std::u16string_view entry : WindowSideEntries) {
        ui_->Combo1->addItem(ToQString(entry));
    }
    // Showing the shady side is not a pick: activated() fires for the user's
    // choices only, so no recalculation runs and the result boxes stay empty.
    ui_->Combo1->setCurrentText(ToQString(calculator_.SelectShadySide()));
}

void MainWindow::ConnectNotifications()
{
    // textChanged, unlike textEdited, also reports texts the program sets,
    // which includes the emptying that the entry rule asks for.
    for (const form::EntryBinding& binding : form::EntryBoxes) {
        auto* box = qobject_cast<QLineEdit*>(Control(binding.Box));
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
    }
}

void MainWindow::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size(), screen->availableGeometry()));
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
}

void MainWindow::ApplyPickedWindowSide()
{
    ShowResults(calculator_.ApplyWindowSide(ui_->Combo1->currentText().toStdU16String()));
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    ui_->Text6->setText(QString::fromStdU16String(results.Volume));
    ui_->Text7->setText(QString::fromStdU16String(results.Power));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    OpenCompanyPage();
    event->accept();
}

}  // namespace acpower
