#include "window/main_window.h"

#include "link/company_page.h"
#include "ui_form1.h"
#include "window/art.h"
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

void MainWindow::StyleControls()
{
    // A Designer form stores whole point sizes only, so the 9.75 pt face is
    // set here.
    ui_->Label9->setFont(NamedFont(false));
    ui_->Text7->setFont(NamedFont(true));

    setWindowIcon(ProgramIcon());
    const QCursor hand = LinkCursor();
    ui_->Label55->setCursor(hand);
    ui_->Label56->setCursor(hand);

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
    connect(ui_->Text1, &QLineEdit::textChanged, this, &MainWindow::AcceptArea);
    connect(ui_->Text2, &QLineEdit::textChanged, this, &MainWindow::AcceptCeilingHeight);
    connect(ui_->Text3, &QLineEdit::textChanged, this, &MainWindow::AcceptPeopleCount);
    connect(ui_->Text4, &QLineEdit::textChanged, this, &MainWindow::AcceptComputerCount);
    connect(ui_->Text5, &QLineEdit::textChanged, this, &MainWindow::AcceptAppliancePower);
    // activated, unlike currentIndexChanged, also fires when the user picks
    // the entry already shown, and that pick recalculates as well.
    connect(ui_->Combo1, qOverload<int>(&QComboBox::activated), this, &MainWindow::ApplyPickedWindowSide);
    connect(ui_->Label55, &LinkLabel::clicked, this, &OpenCompanyPage);
    connect(ui_->Label56, &LinkLabel::clicked, this, &OpenCompanyPage);
}

void MainWindow::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    setGeometry(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size(), screen->availableGeometry()));
}

void MainWindow::AcceptArea()
{
    AcceptEntry(ui_->Text1, EntryField::Area);
}

void MainWindow::AcceptCeilingHeight()
{
    AcceptEntry(ui_->Text2, EntryField::CeilingHeight);
}

void MainWindow::AcceptPeopleCount()
{
    AcceptEntry(ui_->Text3, EntryField::PeopleCount);
}

void MainWindow::AcceptComputerCount()
{
    AcceptEntry(ui_->Text4, EntryField::ComputerCount);
}

void MainWindow::AcceptAppliancePower()
{
    AcceptEntry(ui_->Text5, EntryField::AppliancePower);
}

void MainWindow::AcceptEntry(QLineEdit* box, EntryField field)
{
    const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, box->text().toStdU16String());
    if (outcome.clearBox) {
        // Runs this rule once more, nested, on the empty text; the outer
        // results written below are the same as the nested ones.
        box->setText(QString());
    }
    ShowResults(outcome.results);
}

void MainWindow::ApplyPickedWindowSide()
{
    ShowResults(calculator_.ApplyWindowSide(ui_->Combo1->currentText().toStdU16String()));
}

void MainWindow::ShowResults(const ResultTexts& results)
{
    ui_->Text6->setText(QString::fromStdU16String(results.volume));
    ui_->Text7->setText(QString::fromStdU16String(results.power));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    OpenCompanyPage();
    event->accept();
}

}  // namespace acpower
