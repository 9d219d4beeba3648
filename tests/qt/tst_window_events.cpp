#include "core/hints.h"
#include "form/company_page.h"
#include "tests/qt/url_recorder.h"
#include "tests/qt/window_controls.h"
#include "qt/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QStringList EntryBoxes{"Text1", "Text2", "Text3", "Text4", "Text5"};

// One key press per character, as a keyboard delivers them; '\b' stands for
// Backspace. QTest::keyClick knows Latin-1 only, so Cyrillic goes through
// sendKeyEvent with the character as the event's text.
void Type(QWidget* box, const QString& keys)
{
    for (const QChar key : keys) {
        if (key == QLatin1Char('\b')) {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (key.unicode() < 0x100) {
            QTest::keyClick(box, key.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), Qt::NoModifier);
        }
    }
}

// Picks an entry the way a user does: open the list, highlight, press Enter.
void Pick(QComboBox* selector, const QString& entry)
{
    selector->showPopup();
    QAbstractItemView* list = selector->view();
    list->setCurrentIndex(list->model()->index(selector->findText(entry), 0));
    QTest::keyClick(list, Qt::Key_Return);
}

// Fills Text1 to Text5 the way the program itself would, one setText each.
void SetEntries(const QWidget& window, const QStringList& texts)
{
    for (int i = 0; i < EntryBoxes.size(); ++i) {
        ControlNamed<QLineEdit>(window, EntryBoxes[i])->setText(texts[i]);
    }
}

QString TextOf(const QWidget& window, const QString& name)
{
    const auto* box = ControlNamed<QLineEdit>(window, name);
    return box == nullptr ? QStringLiteral("<missing %1>").arg(name) : box->text();
}

}  // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startUp();
    void typing_data();
    void typing();
    void wholeValues_data();
    void wholeValues();
    void exampleRooms_data();
    void exampleRooms();
    void pickingTheShownSideRecalculates();
    void resultBoxesIgnoreTypingAndCopy();
    void links_data();
    void links();
    void closeOpensThePageAndEndsTheProgram();
    void friendlyOnAPlainSystem();

private:
    std::unique_ptr<acpower::MainWindow> ShownWindow();

    UrlRecorder browser_;
};

void WindowEventsTest::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser_, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser_, "Open");
}

void WindowEventsTest::init()
{
    browser_.opened.clear();
    QLocale::setDefault(Russian);
}

void WindowEventsTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

std::unique_ptr<acpower::MainWindow> WindowEventsTest::ShownWindow()
{
    auto window = std::make_unique<acpower::MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}

void WindowEventsTest::startUp()
{
    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    for (const QString& name : EntryBoxes) {
        QCOMPARE(TextOf(*window, name), QString());
    }
    // Showing the shady side at start is not a pick, so nothing was calculated.
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), QString());
    QCOMPARE(TextOf(*window, QStringLiteral("Text7")), QString());

    const auto* selector = ControlNamed<QComboBox>(*window, QStringLiteral("Combo1"));
    QVERIFY(selector != nullptr);
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), QStringLiteral("солнечную"));
    QCOMPARE(selector->itemText(1), QStringLiteral("теневую"));
    QCOMPARE(selector->currentText(), QStringLiteral("теневую"));
    QVERIFY(browser_.opened.isEmpty());
}

void WindowEventsTest::typing_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("given");  // the five boxes' texts, set first
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("boxAfterEachKey");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("power");

    const QStringList empty{"", "", "", "", ""};
    const QStringList floorOnly{"25", "", "", "", ""};
    const QStringList heightOnly{"", "2", "", "", ""};
    const QStringList exampleWithoutHeight{"25", "", "3", "2", "1000"};

    QTest::newRow("a digit into an empty box counts at once")
        << floorOnly << "Text2" << "4" << QStringList{"4"} << "100" << "3";
    QTest::newRow("a digit before any height gives volume 0 and no power")
        << empty << "Text1" << "5" << QStringList{"5"} << "0" << "";
    QTest::newRow("the bare decimal separator keeps the box")
        << exampleWithoutHeight << "Text2" << "2,8" << QStringList{"2", "2,", "2,8"} << "70" << "3,3";
    QTest::newRow("a minus sign first empties the box")
        << heightOnly << "Text1" << "-" << QStringList{""} << "0" << "";
    QTest::newRow("digits after the emptied minus sign count again")
        << heightOnly << "Text1" << "-5" << QStringList{"", "5"} << "10" << "0,3";
    QTest::newRow("a Latin letter after digits empties the whole box")
        << heightOnly << "Text1" << "12x" << QStringList{"1", "12", ""} << "0" << "";
    QTest::newRow("a Cyrillic letter after digits empties the whole box")
        << heightOnly << "Text1" << "12ж" << QStringList{"1", "12", ""} << "0" << "";
    QTest::newRow("backspace down to an empty box")
        << heightOnly << "Text1" << "12\b\b" << QStringList{"1", "12", "1", ""} << "0" << "";
    QTest::newRow("a fractional count of people")
        << QStringList{"25", "2,8", "", "", "100"} << "Text3" << "2,5" << QStringList{"2", "2,", "2,5"} << "70" << "2,4";
    QTest::newRow("computers")
        << QStringList{"25", "2,8", "", "", ""} << "Text4" << "2" << QStringList{"2"} << "70" << "2,7";
    QTest::newRow("appliances")
        << QStringList{"25", "2,8", "", "", ""} << "Text5" << "1000" << QStringList{"1", "10", "100", "1000"} << "70" << "2,4";
    // clang-format on
}

void WindowEventsTest::typing()
{
    QFETCH(QStringList, given);
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QStringList, boxAfterEachKey);
    QFETCH(QString, volume);
    QFETCH(QString, power);

    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    SetEntries(*window, given);
    auto* target = ControlNamed<QLineEdit>(*window, box);
    QVERIFY(target != nullptr);

    QStringList seen;
    for (const QChar key : keys) {
        Type(target, QString(key));
        seen.append(target->text());
    }
    QCOMPARE(seen, boxAfterEachKey);
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), volume);
    QCOMPARE(TextOf(*window, QStringLiteral("Text7")), power);
}

void WindowEventsTest::wholeValues_data()
{
    // clang-format off
    QTest::addColumn<bool>("paste");  // false: the program sets the text
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("power");

    QTest::newRow("pasted number") << true << "25" << "25" << "70" << "3,3";
    QTest::newRow("pasted fraction") << true << "10,5" << "10,5" << "29,4" << "2,1";
    QTest::newRow("pasted negative area") << true << "-25" << "-25" << "-70" << "";
    QTest::newRow("pasted word") << true << "двадцать" << "" << "0" << "";
    QTest::newRow("set number") << false << "25" << "25" << "70" << "3,3";
    QTest::newRow("set word") << false << "abc" << "" << "0" << "";
    // clang-format on
}

void WindowEventsTest::wholeValues()
{
    QFETCH(bool, paste);
    QFETCH(QString, value);
    QFETCH(QString, boxAfter);
    QFETCH(QString, volume);
    QFETCH(QString, power);

    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    // Text1 stays empty here; the case pastes or sets it below.
    SetEntries(*window, {"", "2,8", "3", "2", "1000"});
    auto* area = ControlNamed<QLineEdit>(*window, QStringLiteral("Text1"));
    if (paste) {
        QApplication::clipboard()->setText(value);
        QTest::keySequence(area, QKeySequence::Paste);
    } else {
        area->setText(value);
    }
    QCOMPARE(area->text(), boxAfter);
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), volume);
    QCOMPARE(TextOf(*window, QStringLiteral("Text7")), power);
}

void WindowEventsTest::exampleRooms_data()
{
    // clang-format off
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("power");

    QTest::newRow("Russian, shady") << Russian << "2,8" << "теневую" << "3,3";
    QTest::newRow("Russian, sunny") << Russian << "2,8" << "солнечную" << "4";
    QTest::newRow("English, shady") << English << "2.8" << "теневую" << "3.3";
    QTest::newRow("English, sunny") << English << "2.8" << "солнечную" << "4";
    // clang-format on
}

void WindowEventsTest::exampleRooms()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, height);
    QFETCH(QString, side);
    QFETCH(QString, power);

    QLocale::setDefault(locale);
    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    const QStringList room{"25", height, "3", "2", "1000"};
    for (int i = 0; i < EntryBoxes.size(); ++i) {
        Type(ControlNamed<QLineEdit>(*window, EntryBoxes[i]), room[i]);
    }
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), QStringLiteral("70"));
    Pick(ControlNamed<QComboBox>(*window, QStringLiteral("Combo1")), side);
    QCOMPARE(ControlNamed<QComboBox>(*window, QStringLiteral("Combo1"))->currentText(), side);
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), QStringLiteral("70"));
    QCOMPARE(TextOf(*window, QStringLiteral("Text7")), power);
}

void WindowEventsTest::pickingTheShownSideRecalculates()
{
    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    auto* selector = ControlNamed<QComboBox>(*window, QStringLiteral("Combo1"));
    auto* power = ControlNamed<QLineEdit>(*window, QStringLiteral("Text7"));
    QVERIFY(selector != nullptr);

    // A pick with nothing typed yet still recalculates: volume 0, no power.
    Pick(selector, QStringLiteral("теневую"));
    QCOMPARE(TextOf(*window, QStringLiteral("Text6")), QStringLiteral("0"));

    SetEntries(*window, {"25", "2,8", "3", "2", "1000"});
    Pick(selector, QStringLiteral("солнечную"));
    QCOMPARE(power->text(), QStringLiteral("4"));

    // Spoil the shown result; picking the entry already shown rewrites it.
    power->setText(QStringLiteral("spoilt"));
    Pick(selector, QStringLiteral("солнечную"));
    QCOMPARE(power->text(), QStringLiteral("4"));
    Pick(selector, QStringLiteral("теневую"));
    QCOMPARE(power->text(), QStringLiteral("3,3"));
}

void WindowEventsTest::resultBoxesIgnoreTypingAndCopy()
{
    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    Type(ControlNamed<QLineEdit>(*window, QStringLiteral("Text1")), QStringLiteral("25"));
    Type(ControlNamed<QLineEdit>(*window, QStringLiteral("Text2")), QStringLiteral("2"));
    auto* volume = ControlNamed<QLineEdit>(*window, QStringLiteral("Text6"));
    QCOMPARE(volume->text(), QStringLiteral("50"));

    Type(volume, QStringLiteral("9\b"));
    QCOMPARE(volume->text(), QStringLiteral("50"));

    QApplication::clipboard()->clear();
    QTest::keySequence(volume, QKeySequence::SelectAll);
    QTest::keySequence(volume, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("50"));
}

void WindowEventsTest::links_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("pagesOpened");

    QTest::newRow("ОРНИК once") << "Label55" << 1 << 1;
    QTest::newRow("ВЕЙМ once") << "Label56" << 1 << 1;
    QTest::newRow("every click opens the page again") << "Label55" << 3 << 3;
    QTest::newRow("Компания is no link") << "Label57" << 2 << 0;
    QTest::newRow("other captions are no links") << "Label9" << 1 << 0;
    // clang-format on
}

void WindowEventsTest::links()
{
    QFETCH(QString, caption);
    QFETCH(int, clicks);
    QFETCH(int, pagesOpened);

    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    auto* label = ControlNamed<QLabel>(*window, caption);
    QVERIFY(label != nullptr);
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QList<QUrl> expected;
    for (int i = 0; i < pagesOpened; ++i) {
        expected.append(CompanyPageUrl());
    }
    QCOMPARE(browser_.opened, expected);
    QVERIFY(window->isVisible());
}

void WindowEventsTest::closeOpensThePageAndEndsTheProgram()
{
    auto window = ShownWindow();
    QVERIFY(window != nullptr);
    QVERIFY(QApplication::quitOnLastWindowClosed());

    // The window is the program's only one: closing it must end the event
    // loop. The guard only keeps a broken close from hanging the test run.
    QTimer::singleShot(0, window.get(), &QWidget::close);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(60000);
    const int status = QApplication::exec();
    guard.stop();

    QCOMPARE(status, 0);
    QVERIFY(!window->isVisible());
    QCOMPARE(browser_.opened, QList<QUrl>{CompanyPageUrl()});
}

// Hovers as the mouse does: the box gets the tool-tip request at its middle.
void Hover(QWidget* box)
{
    const QPoint middle = box->rect().center();
    QHelpEvent hover(QEvent::ToolTip, middle, box->mapToGlobal(middle));
    QApplication::sendEvent(box, &hover);
}

// One pass under the C locale, as a container or minimal system starts the
// program: a comma typed anyway, a note when a box is emptied, the hover texts
// and the keyboard's way to the power's explanation.
void WindowEventsTest::friendlyOnAPlainSystem()
{
    QLocale::setDefault(QLocale::c());
    const auto window = ShownWindow();
    QVERIFY(window != nullptr);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QStringList room{"25", "2,8", "3", "2", "1 000"};
    for (int i = 0; i < EntryBoxes.size(); ++i) {
        Type(ControlNamed<QLineEdit>(*window, EntryBoxes[i]), room[i]);
        QCOMPARE(TextOf(*window, EntryBoxes[i]), room[i]);
    }
    auto* volume = ControlNamed<QLineEdit>(*window, QStringLiteral("Text6"));
    auto* power = ControlNamed<QLineEdit>(*window, QStringLiteral("Text7"));
    QCOMPARE(volume->text(), QStringLiteral("70"));
    QCOMPARE(power->text(), QStringLiteral("3.3"));

    Hover(power);
    QVERIFY(QToolTip::isVisible());
    const QStringList explained = QToolTip::text().split(QLatin1Char('\n'));
    QCOMPARE(explained.value(0), QStringLiteral("Мощность кондиционера: 3.3 кВт"));
    QVERIFY2(explained.contains(QStringLiteral("эл. приборы 1,000 Вт × 0.3 = 300 Вт")), qPrintable(QToolTip::text()));
    QCOMPARE(explained.constLast(), QStringLiteral("Подойдет сплит-система класса 12 (3.52 кВт)."));
    Hover(volume);
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("Объем помещения: 70 куб. м")));
    QToolTip::hideText();

    // Tab reaches the power box from the volume box: the same explanation.
    volume->setFocus(Qt::TabFocusReason);
    QTest::keyClick(volume, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), power);
    const auto* tip = window->findChild<QLabel*>(QStringLiteral("BoxTip"));
    QVERIFY(tip != nullptr);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), power->toolTip());
    QTest::keyClick(power, Qt::Key_Tab);
    QVERIFY(!tip->isVisible());

    // A stray letter empties the box with a note at it, read out by screen
    // readers; the next key takes the note away.
    auto* area = ControlNamed<QLineEdit>(*window, QStringLiteral("Text1"));
    area->setFocus(Qt::OtherFocusReason);
    area->end(false);
    Type(area, QStringLiteral("x"));
    const QString notice = QStringLiteral("«25x» — не число; поле очищено");
    QCOMPARE(area->text(), QString());
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), notice);
    QVERIFY(tip->geometry().top() >= area->mapToGlobal(QPoint(0, area->height())).y());
    QCOMPARE(area->accessibleDescription(), notice);
    // With the area gone there is no power, and nothing to explain.
    QCOMPARE(power->text(), QString());
    QCOMPARE(power->toolTip(), QString());
    Type(area, QStringLiteral("3"));
    QVERIFY(!tip->isVisible());
    QCOMPARE(area->accessibleDescription(), QString());

    // Left alone, the note goes by itself.
    Type(area, QStringLiteral("-"));
    QVERIFY(tip->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), acpower::NoticeMilliseconds + 2000);
}

QTEST_MAIN(WindowEventsTest)
#include "tst_window_events.moc"
