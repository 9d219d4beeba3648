// The Qt window through the behaviour table every window runs, and after it
// what only Qt has: the accessible description, the note's own time-out, the
// C locale, the copyable result boxes and the hint that Tab brings up.

#include "core/hints.h"
#include "qt/main_window.h"
#include "tests/qt/url_recorder.h"
#include "tests/qt/window_controls.h"
#include "tests/support/behaviour_table.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"

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

using acpower::test::Reading;
using acpower::test::SetBy;

namespace {

QString ToQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

QString NameOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

// One key press per character, as a keyboard delivers them; '\b' stands for
// Backspace. QTest::keyClick knows Latin-1 only, so Cyrillic goes through
// sendKeyEvent with the character as the event's text.
void TypeKeys(QWidget* box, const QString& keys)
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

acpower::test::Place PlaceOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Shown and active, so that the keyboard focus is where a user's keys go.
std::unique_ptr<acpower::MainWindow> ActiveWindow()
{
    auto window = std::make_unique<acpower::MainWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        return nullptr;
    }
    return window;
}

class QtWindow : public acpower::test::WindowAdapter {
public:
    explicit QtWindow(acpower::MainWindow& window, const UrlRecorder& browser)
        : window_(window)
        , browser_(browser)
    {
    }

    void Type(std::string_view box, std::u16string_view keys) override
    {
        auto* edit = Box(box);
        edit->end(false);
        TypeKeys(edit, ToQString(keys));
    }

    void Set(std::string_view box, std::u16string_view text, SetBy how) override
    {
        auto* edit = Box(box);
        if (how == SetBy::Program) {
            edit->setText(ToQString(text));
            return;
        }
        QApplication::clipboard()->setText(ToQString(text));
        QTest::keySequence(edit, QKeySequence::SelectAll);
        QTest::keySequence(edit, QKeySequence::Paste);
    }

    void Pick(int position) override
    {
        auto* selector = ControlNamed<QComboBox>(window_, QStringLiteral("Combo1"));
        selector->showPopup();
        QAbstractItemView* list = selector->view();
        list->setCurrentIndex(list->model()->index(position, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    void Click(std::string_view control) override
    {
        QTest::mouseClick(ControlNamed(window_, NameOf(control)), Qt::LeftButton);
    }

    // The window is the program's only one: closing it must end the event
    // loop. One gone before, say after a link's click, ends nothing cleanly.
    // The guard only keeps a broken close from hanging the test run.
    int Close() override
    {
        if (!window_.isVisible()) {
            return -1;
        }
        QTimer::singleShot(0, &window_, &QWidget::close);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(-1); });
        guard.start(60000);
        const int status = QApplication::exec();
        return window_.isVisible() ? -1 : status;
    }

    std::u16string Read(Reading what, std::string_view name) override
    {
        const QWidget* control = ControlNamed(window_, NameOf(name));
        const auto* selector = qobject_cast<const QComboBox*>(control);
        switch (what) {
        case Reading::Text:
            return (selector != nullptr ? selector->currentText() : control->property("text").toString())
                .toStdU16String();
        case Reading::List:
            return ItemsOf(*selector);
        case Reading::Tip:
            return Note();
        case Reading::Hover:
            return control->toolTip().toStdU16String();
        case Reading::Focus:
            return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName().toStdU16String()
                                                          : std::u16string();
        case Reading::Pages:
            return PagesOpened();
        default:
            return u"(no such reading)";
        }
    }

private:
    QLineEdit* Box(std::string_view name) const
    {
        return ControlNamed<QLineEdit>(window_, NameOf(name));
    }

    static std::u16string ItemsOf(const QComboBox& selector)
    {
        QStringList items;
        for (int i = 0; i < selector.count(); ++i) {
            items.append(selector.itemText(i));
        }
        return items.join(QLatin1Char('\n')).toStdU16String();
    }

    std::u16string Note() const
    {
        const auto* tip = window_.findChild<QLabel*>(QStringLiteral("BoxTip"));
        if (tip == nullptr || !tip->isVisible()) {
            return {};
        }
        std::vector<acpower::test::BoxPlace> places;
        for (const std::string_view name : acpower::test::BoxNames) {
            const QLineEdit* box = Box(name);
            places.push_back({name, PlaceOf(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()))});
        }
        return acpower::test::NoteReading(acpower::test::BoxAboveNote(PlaceOf(tip->geometry()), places),
                                          tip->text().toStdU16String());
    }

    std::u16string PagesOpened() const
    {
        std::u16string pages;
        for (const QUrl& url : browser_.opened) {
            pages += url.toString().toStdU16String() + u"\n";
        }
        return pages;
    }

    acpower::MainWindow& window_;
    const UrlRecorder& browser_;
};

// Hovers as the mouse does: the box gets the tool-tip request at its middle.
void Hover(QWidget* box)
{
    const QPoint middle = box->rect().center();
    QHelpEvent hover(QEvent::ToolTip, middle, box->mapToGlobal(middle));
    QApplication::sendEvent(box, &hover);
}

}  // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser_, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser_, "Open");
    }

    void init()
    {
        browser_.opened.clear();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void behaviourTable()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        QtWindow adapter(*window, browser_);
        acpower::test::RunBehaviourTable(adapter);
        QCOMPARE(acpower::test::Summary(), 0);
    }

    // A screen reader reads the note out from the box's description, which
    // must not outlive the note; left alone, the note goes by itself.
    void noteIsReadOutAndGoesByItself()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        QtWindow adapter(*window, browser_);
        const auto* area = ControlNamed<QLineEdit>(*window, QStringLiteral("Text1"));
        adapter.Type("Text1", u"x");
        // The window makes its note on first use.
        const auto* tip = window->findChild<QLabel*>(QStringLiteral("BoxTip"));
        QVERIFY(tip != nullptr && tip->isVisible());
        QCOMPARE(area->accessibleDescription(), tip->text());
        adapter.Type("Text1", u"3");
        QVERIFY(!tip->isVisible());
        QCOMPARE(area->accessibleDescription(), QString());

        adapter.Type("Text1", u"-");
        QVERIFY(tip->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), acpower::NoticeMilliseconds + 2000);
    }

    // That they take no typing is a row of the behaviour table.
    void resultBoxesCopy()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        QtWindow adapter(*window, browser_);
        adapter.Set("Text1", u"25", SetBy::Program);
        adapter.Set("Text2", u"2", SetBy::Program);
        auto* volume = ControlNamed<QLineEdit>(*window, QStringLiteral("Text6"));
        QApplication::clipboard()->clear();
        QTest::keySequence(volume, QKeySequence::SelectAll);
        QTest::keySequence(volume, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("50"));
    }

    // Tab reaches the power box from the volume box, with the same text as
    // the mouse gets; the next Tab takes it away.
    void tabBringsUpThePowersExplanation()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        QtWindow adapter(*window, browser_);
        for (std::size_t i = 0; i < acpower::test::ExampleRoomTexts.size(); ++i) {
            adapter.Set(acpower::test::BoxNames[i], acpower::test::ExampleRoomTexts[i], SetBy::Program);
        }
        auto* volume = ControlNamed<QLineEdit>(*window, QStringLiteral("Text6"));
        auto* power = ControlNamed<QLineEdit>(*window, QStringLiteral("Text7"));
        volume->setFocus(Qt::TabFocusReason);
        QTest::keyClick(volume, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), power);
        QVERIFY(!power->toolTip().isEmpty());
        QCOMPARE(ToQString(adapter.Read(Reading::Tip, {})), QStringLiteral("Text7: ") + power->toolTip());
        QTest::keyClick(power, Qt::Key_Tab);
        QCOMPARE(ToQString(adapter.Read(Reading::Tip, {})), QString());
    }

    // As a container or minimal system starts the program: point decimals,
    // comma groups, and a comma or a grouped number typed all the same.
    void plainSystem()
    {
        QLocale::setDefault(QLocale::c());
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        QtWindow adapter(*window, browser_);
        const std::array<std::u16string_view, 5> room{u"25", u"2,8", u"3", u"2", u"1 000"};
        for (std::size_t i = 0; i < room.size(); ++i) {
            adapter.Type(acpower::test::BoxNames[i], room[i]);
            QCOMPARE(ToQString(adapter.Read(Reading::Text, acpower::test::BoxNames[i])), ToQString(room[i]));
        }
        auto* volume = ControlNamed<QLineEdit>(*window, QStringLiteral("Text6"));
        auto* power = ControlNamed<QLineEdit>(*window, QStringLiteral("Text7"));
        QCOMPARE(volume->text(), QStringLiteral("70"));
        QCOMPARE(power->text(), QStringLiteral("3.3"));

        Hover(power);
        QVERIFY(QToolTip::isVisible());
        const QStringList explained = QToolTip::text().split(QLatin1Char('\n'));
        QCOMPARE(explained.value(0), QStringLiteral("Мощность кондиционера: 3.3 кВт"));
        QVERIFY2(explained.contains(QStringLiteral("эл. приборы 1,000 Вт × 0.3 = 300 Вт")),
                 qPrintable(QToolTip::text()));
        QCOMPARE(explained.constLast(), QStringLiteral("Подойдет сплит-система класса 12 (3.52 кВт)."));
        Hover(volume);
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Объем помещения: 70 куб. м")));
        QToolTip::hideText();
    }

private:
    UrlRecorder browser_;
};

QTEST_MAIN(WindowBehaviourTest)
#include "tst_window_behaviour.moc"
