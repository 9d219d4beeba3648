// The Qt window through the behaviour table every window runs, and after it
// what only Qt has: the accessible description, the note's own time-out, the
// C locale, the copyable result boxes, the hint that Tab brings up and the
// keys that follow a link.

#include "core/hints.h"
#include "form/company_page.h"
#include "tests/qt/window_controls.h"
#include "tests/support/behaviour_table.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <memory>

using acpower::test::BoxNames;
using acpower::test::CopyBy;
using acpower::test::Reading;
using acpower::test::SetBy;

namespace {

acpower::test::Place PlaceOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

class QtWindow : public acpower::test::WindowAdapter {
public:
    QtWindow(acpower::MainWindow& window, const std::u16string& pagesOpened)
        : window_(window)
        , pagesOpened_(pagesOpened)
    {
    }

    // One key press per character, as a keyboard delivers them. QTest::keyClick
    // knows Latin-1 only, so Cyrillic goes through sendKeyEvent with the
    // character as the event's text.
    void Type(std::string_view box, std::u16string_view keys) override
    {
        auto* edit = ControlNamed<QLineEdit>(window_, box);
        edit->end(false);
        for (const QChar key : ToQString(keys)) {
            if (key == QLatin1Char('\b')) {
                QTest::keyClick(edit, Qt::Key_Backspace);
            } else if (key == QChar(0x1A)) {
                QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            } else if (key.unicode() < 0x100) {
                QTest::keyClick(edit, key.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), Qt::NoModifier);
            }
        }
    }

    void Set(std::string_view box, std::u16string_view text, SetBy how) override
    {
        auto* edit = ControlNamed<QLineEdit>(window_, box);
        if (how == SetBy::Program) {
            edit->setText(ToQString(text));
            return;
        }
        QApplication::clipboard()->setText(ToQString(text));
        QTest::keySequence(edit, QKeySequence::SelectAll);
        QTest::keySequence(edit, QKeySequence::Paste);
    }

    // Right-clicks the box's middle, then takes Undo, the standard menu's
    // first entry, with Enter; a greyed Undo cannot be taken, so the menu is
    // closed.
    void UndoFromMenu(std::string_view box) override
    {
        auto* edit = ControlNamed<QLineEdit>(window_, box);
        const QPoint middle = edit->rect().center();
        QContextMenuEvent ask(QContextMenuEvent::Mouse, middle, edit->mapToGlobal(middle));
        QApplication::sendEvent(edit, &ask);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        QAction* undo = menu->actions().value(0);
        if (undo == nullptr || !undo->isEnabled()) {
            menu->close();
            return;
        }
        menu->setActiveAction(undo);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    void Pick(int position) override
    {
        auto* selector = ControlNamed<QComboBox>(window_, "Combo1");
        selector->showPopup();
        QAbstractItemView* list = selector->view();
        list->setCurrentIndex(list->model()->index(position, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }

    void Click(std::string_view control) override
    {
        QTest::mouseClick(ControlNamed(window_, control), Qt::LeftButton);
    }

    // The menu is the box's own, with the account's copy as its last entry.
    void CopyAccount(std::string_view control, CopyBy how) override
    {
        QWidget* box = ControlNamed(window_, control);
        box->setFocus();
        if (how == CopyBy::Keys) {
            // A window's shortcuts answer only while it is active, and Qt 5's
            // offscreen platform leaves no window active once a popup menu
            // has closed, as no desktop does.
            QApplication::setActiveWindow(box->window());
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return;
        }
        const QPoint middle = box->rect().center();
        QContextMenuEvent ask(QContextMenuEvent::Mouse, middle, box->mapToGlobal(middle));
        QApplication::sendEvent(box, &ask);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->actions().isEmpty()) {
            return;
        }
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
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
        const QWidget* control = ControlNamed(window_, name);
        const auto* selector = qobject_cast<const QComboBox*>(control);
        QStringList items;
        switch (what) {
        case Reading::Text:
            return (selector != nullptr ? selector->currentText() : control->property("text").toString())
                .toStdU16String();
        case Reading::FromFirstShown:
            return FromFirstShown(name);
        case Reading::List:
            for (int i = 0; i < selector->count(); ++i) {
                items.append(selector->itemText(i));
            }
            return items.join(QLatin1Char('\n')).toStdU16String();
        case Reading::Tip:
            return Note();
        case Reading::Hover:
            return control->toolTip().toStdU16String();
        case Reading::Focus:
            return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName().toStdU16String()
                                                          : std::u16string();
        case Reading::Pages:
            return pagesOpened_;
        case Reading::Clipboard:
            return QApplication::clipboard()->text().toStdU16String();
        default:
            return u"(no such reading)";
        }
    }

private:
    // The character under the box's left inner edge, as the eye finds it.
    // A line edit scrolls its text as it paints, so it paints first.
    std::u16string FromFirstShown(std::string_view name) const
    {
        auto* box = ControlNamed<QLineEdit>(window_, name);
        box->repaint();
        const int first = box->cursorPositionAt(QPoint(2, box->height() / 2));
        return box->text().mid(first).toStdU16String();
    }

    std::u16string Note() const
    {
        const auto* tip = window_.findChild<QLabel*>(QStringLiteral("BoxTip"));
        if (tip == nullptr || !tip->isVisible()) {
            return {};
        }
        std::vector<acpower::test::BoxPlace> places;
        for (const std::string_view name : BoxNames) {
            const auto* box = ControlNamed(window_, name);
            places.push_back({name, PlaceOf(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()))});
        }
        return acpower::test::NoteReading(acpower::test::BoxAboveNote(PlaceOf(tip->geometry()), places),
                                          tip->text().toStdU16String());
    }

    acpower::MainWindow& window_;
    const std::u16string& pagesOpened_;
};

// Hovers as the mouse does: the box gets the tool-tip request at its middle.
void Hover(const QWidget& window, std::string_view name)
{
    QWidget* box = ControlNamed(window, name);
    const QPoint middle = box->rect().center();
    QHelpEvent hover(QEvent::ToolTip, middle, box->mapToGlobal(middle));
    QApplication::sendEvent(box, &hover);
}

}  // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the desktop's browser: QDesktopServices hands it every web
    // address the program opens, so no test ever starts a real browser.
    void Open(const QUrl& url)
    {
        pagesOpened_ += url.toString().toStdU16String() + u"\n";
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
    }

    void init()
    {
        Start(QLocale(QLocale::Russian, QLocale::Russia));
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void behaviourTable()
    {
        acpower::test::RunBehaviourTable(*adapter_);
        QCOMPARE(acpower::test::Summary(), 0);
    }

    // A screen reader reads the note out from the box's description, which
    // must not outlive the note; left alone, the note goes by itself.
    void noteIsReadOutAndGoesByItself()
    {
        const auto* area = ControlNamed<QLineEdit>(*window_, "Text1");
        adapter_->Type("Text1", u"x");
        QCOMPARE(QStringLiteral("Text1: ") + area->accessibleDescription(), Note());
        adapter_->Type("Text1", u"3");
        QCOMPARE(area->accessibleDescription(), QString());

        adapter_->Type("Text1", u"-");
        QVERIFY(!Note().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(Note().isEmpty(), acpower::NoticeMilliseconds + 2000);
    }

    // The result boxes take no typing (a row of the table), but copy.
    void resultBoxesCopy()
    {
        adapter_->Set("Text1", u"25", SetBy::Program);
        adapter_->Set("Text2", u"2", SetBy::Program);
        auto* volume = ControlNamed<QLineEdit>(*window_, "Text6");
        QApplication::clipboard()->clear();
        QTest::keySequence(volume, QKeySequence::SelectAll);
        QTest::keySequence(volume, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("50"));
    }

    // Tab reaches the power box from the volume box, with the same text as
    // the mouse gets; the next Tab takes it away.
    void tabBringsUpThePowersExplanation()
    {
        for (std::size_t i = 0; i < acpower::test::ExampleRoomTexts.size(); ++i) {
            adapter_->Set(BoxNames[i], acpower::test::ExampleRoomTexts[i], SetBy::Program);
        }
        ControlNamed(*window_, "Text6")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Note(), QStringLiteral("Text7: ") + ToQString(adapter_->Read(Reading::Hover, "Text7")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Note(), QString());
    }

    // A brand half reached with Tab follows its link as a click would, once
    // per key: Enter, the keypad's Enter and Space, but no repeat of a key
    // held down and no Enter held with Ctrl, which is another shortcut.
    void keysFollowTheLinks()
    {
        QWidget* brand = ControlNamed(*window_, "Label55");
        brand->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), brand);
        QTest::keyClick(brand, Qt::Key_Return);
        QTest::keyClick(brand, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(brand, Qt::Key_Space);
        QTest::keyClick(brand, Qt::Key_Return, Qt::ControlModifier);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(brand, &held);
        const QString page = ToQString(acpower::CompanyPageAddress) + QLatin1Char('\n');
        QCOMPARE(ToQString(adapter_->Read(Reading::Pages, {})), page.repeated(3));
    }

    // As a container or minimal system starts the program: point decimals
    // and comma groups. A comma or a grouped number is typed all the same,
    // and since a comma reads as a decimal, the hover texts group thousands
    // with a narrow no-break space.
    void plainSystem()
    {
        Start(QLocale::c());
        QVERIFY(adapter_ != nullptr);
        const std::array<std::u16string_view, 5> room{u"25", u"2,8", u"3", u"2", u"1 000"};
        for (std::size_t i = 0; i < room.size(); ++i) {
            adapter_->Type(BoxNames[i], room[i]);
            QCOMPARE(ToQString(adapter_->Read(Reading::Text, BoxNames[i])), ToQString(room[i]));
        }
        QCOMPARE(ToQString(adapter_->Read(Reading::Text, "Text6")), QStringLiteral("70"));
        QCOMPARE(ToQString(adapter_->Read(Reading::Text, "Text7")), QStringLiteral("3.3"));

        Hover(*window_, "Text7");
        QVERIFY(QToolTip::isVisible());
        const QStringList explained = QToolTip::text().split(QLatin1Char('\n'));
        QCOMPARE(explained.value(0), QStringLiteral("Мощность кондиционера: 3.3 кВт"));
        QVERIFY2(explained.contains(QStringLiteral("эл. приборы 1\u202F000 Вт × 0.3 = 300 Вт")),
                 qPrintable(QToolTip::text()));
        QVERIFY2(explained.contains(QStringLiteral("итого 3\u202F300 Вт")), qPrintable(QToolTip::text()));
        QCOMPARE(explained.constLast(), QStringLiteral("Подойдет сплит-система класса 12 (3.52 кВт)."));
        Hover(*window_, "Text6");
        QVERIFY(QToolTip::text().startsWith(QStringLiteral("Объем помещения: 70 куб. м")));
        QToolTip::hideText();
    }

private:
    // A fresh window under the regional settings given, the last one gone.
    void Start(const QLocale& locale)
    {
        adapter_.reset();
        window_.reset();
        pagesOpened_.clear();
        QLocale::setDefault(locale);
        window_ = ActiveWindow();
        QVERIFY(window_ != nullptr);
        adapter_ = std::make_unique<QtWindow>(*window_, pagesOpened_);
    }

    // The note the adapter reads, "Box: text", or "" for none.
    QString Note() const
    {
        return ToQString(adapter_->Read(Reading::Tip, {}));
    }

    std::u16string pagesOpened_;
    std::unique_ptr<acpower::MainWindow> window_;
    std::unique_ptr<QtWindow> adapter_;
};

QTEST_MAIN(WindowBehaviourTest)
#include "tst_window_behaviour.moc"
