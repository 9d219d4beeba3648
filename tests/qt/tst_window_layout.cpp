#include "form/bindings.h"
#include "form/colours.h"
#include "form/form1.h"
#include "qt/internal/selector_box.h"
#include "resources/program_art.h"
#include "tests/qt/window_controls.h"
#include "tests/support/behaviour_table.h"
#include "tests/support/example_room.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

namespace form = acpower::form;

// The class each kind of control is made of; a link caption answers clicks.
const char* QtClassOf(const form::Control& control)
{
    if (control.Kind == form::ControlKind::Caption) {
        return control.Link ? "acpower::LinkLabel" : "QLabel";
    }
    return control.Kind == form::ControlKind::Selector ? "acpower::SelectorBox" : "QLineEdit";
}

form::Rgb RgbOf(QRgb pixel)
{
    return form::Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                     static_cast<std::uint8_t>(qBlue(pixel))};
}

// A desktop theme's palette from its four colours that matter here.
QPalette ThemePalette(const QColor& window, const QColor& windowText, const QColor& base, const QColor& text)
{
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, windowText);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, windowText);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    return palette;
}

// How many of the area's opaque pixels have each colour.
QHash<QRgb, int> ColourCounts(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++counts[pixel];
            }
        }
    }
    return counts;
}

// What a drawn text is read against, and the colour its strokes are drawn in:
// the commonest colour of the area is the ground; of the colours that cover
// a few pixels, the one furthest from the ground is the text's own, the
// glyphs' cores. Anti-aliased edges only lie between the two.
std::pair<form::Rgb, form::Rgb> GroundAndInk(const QImage& image, const QRect& area)
{
    const QHash<QRgb, int> counts = ColourCounts(image, area);
    const QRgb ground = counts.isEmpty() ? 0 : std::max_element(counts.cbegin(), counts.cend()).key();
    QRgb ink = ground;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() >= 3
            && form::ContrastRatio(RgbOf(it.key()), RgbOf(ground)) > form::ContrastRatio(RgbOf(ink), RgbOf(ground))) {
            ink = it.key();
        }
    }
    return {RgbOf(ground), RgbOf(ink)};
}

// The few pixels that a thin caption's strokes cover whole may all be
// anti-aliased a little towards the ground; another colour stays far off.
bool Near(const form::Rgb& drawn, const form::Rgb& wanted)
{
    const auto close = [](int a, int b) { return std::abs(a - b) <= 48; };
    return close(drawn.Red, wanted.Red) && close(drawn.Green, wanted.Green) && close(drawn.Blue, wanted.Blue);
}

// Whether a pop-up's text is dark on a light ground, as the classic look
// draws it beside the form.
bool DarkOnLight(QWidget& popup, const QRect& area)
{
    const QImage drawn = popup.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto [ground, ink] = GroundAndInk(drawn, area & drawn.rect());
    const form::Rgb black{0, 0, 0};
    return form::ContrastRatio(ink, ground) >= 3.0
        && form::ContrastRatio(ground, black) > form::ContrastRatio(ink, black);
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window()
    {
        const acpower::MainWindow window;
        QCOMPARE(window.size(), QSize(577, 222));
        QCOMPARE(window.minimumSize(), window.size());
        QCOMPARE(window.maximumSize(), window.size());
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));

        // Every child is a control of the form, none missing or extra, stacked
        // in the table's order: where two captions touch, the later is on top.
        const auto stacked = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(static_cast<std::size_t>(stacked.size()), form::Form1Controls.size());
        for (std::size_t i = 0; i < form::Form1Controls.size(); ++i) {
            QCOMPARE(stacked[static_cast<int>(i)]->objectName(), Latin1(form::Form1Controls[i].Name));
        }

        // Never off the screen: also run at QT_SCALE_FACTOR=2, where the window
        // is larger than the offscreen screen and its top-left corner must stay.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        QVERIFY2(frame.left() >= area.left() && frame.top() >= area.top(), "the title bar is on the screen");
        if (frame.width() <= area.width() && frame.height() <= area.height()) {
            QVERIFY2(area.contains(frame), "no edge leaves the screen");
            const QPoint offCentre = frame.center() - area.center();
            QVERIFY2(offCentre.manhattanLength() <= 2, "the window first appears centred on the screen");
        } else {
            QVERIFY2(frame.right() >= area.right() || frame.bottom() >= area.bottom(), "a large window uses the room");
        }
    }

    void placedAsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("the first box") << QStringLiteral("Text1") << QRect(208, 32, 45, 19);
        QTest::newRow("the power's two-line caption") << QStringLiteral("Label9") << QRect(324, 128, 129, 33);
        QTest::newRow("the power's box") << QStringLiteral("Text7") << QRect(468, 136, 65, 20);
    }

    // A few controls where the window draws them, in pixels written out.
    void placedAsDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        const acpower::MainWindow window;
        const QWidget* control = ControlNamed(window, name.toStdString());
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), rect);
    }

    void controls_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < form::Form1Controls.size(); ++i) {
            QTest::newRow(std::string(form::Form1Controls[i].Name).c_str()) << static_cast<int>(i);
        }
    }

    // Each control as a user and a screen reader meet it: of the class that
    // gives it its behaviour, where the form places it at 96 DPI, in its face,
    // and a caption whole in its box and read out as the name of its box.
    // Which boxes take keys is left to the behaviour table, which types.
    void controls()
    {
        QFETCH(int, row);
        const form::Control& expected = form::Form1Controls.at(static_cast<std::size_t>(row));
        const acpower::MainWindow window;
        const QWidget* control = ControlNamed(window, expected.Name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->metaObject()->className(), QtClassOf(expected));
        // Fifteen twips to the pixel at 96 DPI; every twips value is a multiple.
        const form::Twips& twips = expected.Rect;
        QCOMPARE(control->geometry(), QRect(twips.Left / 15, twips.Top / 15, twips.Width / 15, twips.Height / 15));
        // The power's caption and result stand out; the rest share the window's
        // face. Nothing else shows a face left off, since every text still fits.
        const form::Font& face = expected.OwnFont ? *expected.OwnFont : form::Form1.DefaultFont;
        QCOMPARE(control->font().pointSizeF(), face.CentiPoints / 100.0);
        QCOMPARE(control->font().bold(), face.Bold);
        // The hand over the links, from the program's own art.
        const QCursor cursor = control->cursor();
        QCOMPARE(cursor.shape() == Qt::BitmapCursor, expected.Link);
        if (expected.Link) {
            QCOMPARE(cursor.hotSpot(), acpower::LinkCursorHotSpot);
            const QImage hand = cursor.pixmap().toImage();
            QCOMPARE(hand.size(), QSize(32, 32));
            QCOMPARE(qAlpha(hand.pixel(cursor.hotSpot())), 255);
        }

        const auto* caption = qobject_cast<const QLabel*>(control);
        if (caption == nullptr) {
            return;
        }
        // Measured with the face that this system really draws, fallbacks
        // included.
        const QFontMetrics metrics(caption->font());
        const QRect room = caption->contentsRect();
        const int flags = static_cast<int>(caption->alignment()) | (caption->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(room, flags, caption->text());
        QVERIFY2(room.contains(needed),
                 qPrintable(QString::asprintf("%d × %d of text in a %d × %d box", needed.width(), needed.height(),
                                              room.width(), room.height())));
        // The one wrapping caption takes two lines, as its box is drawn for.
        QCOMPARE(needed.height() / metrics.height(), expected.WordWrap ? 2 : 1);

        if (expected.LabelFor.empty()) {
            return;
        }
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(ControlNamed(window, expected.LabelFor));
        QVERIFY(named != nullptr);
        // Every platform's bridge offers the labelling caption as a relation.
        const auto labels = named->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), ToQString(expected.Caption));
        // A selector's name is its shown entry on Linux, so the name is
        // checked on the boxes only.
        if (qobject_cast<QLineEdit*>(named->object()) != nullptr) {
            QCOMPARE(named->text(QAccessible::Name), ToQString(expected.Caption));
        }
    }

    // Tab follows the form's keyboard order (whose own rule the engine's rows
    // check), and from the last control comes back to the first.
    void tabOrder()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        const auto order = form::TabOrder();
        ControlNamed(*window, order.front()->Name)->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 0; i <= order.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr);
            QCOMPARE(focus->objectName(), Latin1(order.at(i % order.size())->Name));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

    // A focused brand half shows a mark around it, and its caption keeps the
    // form's colour and stays without an underline.
    void focusedLinkShowsAMark()
    {
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        for (const char* name : {"Label55", "Label56"}) {
            auto* link = ControlNamed<QLabel>(*window, name);
            QVERIFY(!link->font().underline());
            const QImage resting = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
            link->setFocus(Qt::TabFocusReason);
            QVERIFY(link->hasFocus());
            const QImage focused = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(focused != resting, name);
            // The mark keeps to the edges; the text within is drawn as before.
            const QRect inner = link->rect().adjusted(2, 2, -2, -2);
            QCOMPARE(focused.copy(inner), resting.copy(inner));
            const form::Rgb colour = *form::FindControl(name)->TextColour;
            QVERIFY2(Near(GroundAndInk(focused, inner).second, colour), name);
            // The dotted top edge, in the caption's colour.
            QVERIFY2(Near(GroundAndInk(focused, QRect(0, 0, link->width(), 1)).second, colour), name);
        }
    }

    // The selector takes no typed text, and shows each entry whole.
    void selectorEntriesShowWhole()
    {
        acpower::MainWindow window;
        auto* selector = ControlNamed<acpower::SelectorBox>(window, "Combo1");
        QVERIFY(selector != nullptr);
        QVERIFY(!selector->isEditable());
        QStyleOptionComboBox option;
        option.initFrom(selector);
        const QRect arrow
            = selector->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, selector);
        for (const int index : {0, 1}) {
            selector->setCurrentIndex(index);
            const QRect entry = selector->EntryRect();
            // Styles draw the shown entry one pixel inside its field on either
            // side; the field must stay clear of the frame and of the arrow.
            const int room = entry.width() - 2;
            const int needed = selector->fontMetrics().horizontalAdvance(selector->currentText());
            QVERIFY2(
                needed <= room,
                qPrintable(
                    QStringLiteral("%1: %2 px of text in %3 px").arg(selector->currentText()).arg(needed).arg(room)));
            QVERIFY(entry.left() >= 1);
            QVERIFY(entry.right() < arrow.left() || arrow.isEmpty());
        }
    }

    // The title bar's and the taskbar's images, each drawn for its size.
    void iconImages()
    {
        const QIcon icon = acpower::MainWindow().windowIcon();
        for (const int side : {32, 16}) {
            QVERIFY(icon.availableSizes().contains(QSize(side, side)));
            const QImage image = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(side, side));
            const QHash<QRgb, int> colours = ColourCounts(image, image.rect());
            QVERIFY(colours.size() <= 16);
            QVERIFY2(colours.contains(qRgb(255, 0, 0)), "a red zigzag");
            QVERIFY2(colours.contains(qRgb(0, 0, 128)), "a dark-blue zigzag");
        }
    }

    void readableOnEveryTheme_data()
    {
        // clang-format off
        QTest::addColumn<QPalette>("theme");
        QTest::addColumn<bool>("followed");  // the window keeps the theme's own palette

        QTest::newRow("light") << QApplication::palette() << true;
        QTest::newRow("dark") << ThemePalette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42), Qt::white) << false;
        QTest::newRow("high contrast") << ThemePalette(Qt::black, Qt::white, Qt::black, Qt::yellow) << false;
        // clang-format on
    }

    // Every caption and result, as drawn on the running window, against what
    // it is drawn on; and the colours the form sets, drawn as they are.
    void readableOnEveryTheme()
    {
        QFETCH(QPalette, theme);
        QFETCH(bool, followed);
        const auto window = ActiveWindow();
        QVERIFY(window != nullptr);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
        // A new application palette reaches the widgets through the event loop.
        QApplication::setPalette(theme);
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < acpower::test::ExampleRoomTexts.size(); ++i) {
            ControlNamed<QLineEdit>(*window, acpower::test::BoxNames[i])
                ->setText(ToQString(acpower::test::ExampleRoomTexts[i]));
        }
        const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), window->size());

        for (const form::Control& control : form::Form1Controls) {
            if (control.Kind != form::ControlKind::Caption && control.Kind != form::ControlKind::ResultBox) {
                continue;
            }
            const QWidget* widget = ControlNamed(*window, control.Name);
            QVERIFY(widget != nullptr);
            // A result's text lies inside the box's frame.
            const int frame = control.Kind == form::ControlKind::ResultBox ? 3 : 0;
            const auto [ground, ink] = GroundAndInk(drawn, widget->geometry().adjusted(frame, frame, -frame, -frame));
            const double contrast = form::ContrastRatio(ink, ground);
            QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1: %2 : 1").arg(Latin1(control.Name)).arg(contrast)));
            QVERIFY2(!control.Background || ground == *control.Background, qPrintable(Latin1(control.Name)));
            QVERIFY2(!control.TextColour || Near(ink, *control.TextColour), qPrintable(Latin1(control.Name)));
        }
        QCOMPARE(window->palette().color(QPalette::Window) == theme.color(QPalette::Window), followed);

        // The pop-ups beside the form read on its look: an entry of the
        // selector's list other than the highlighted one, the note under a
        // box, and a result's hover text.
        auto* selector = ControlNamed<acpower::SelectorBox>(*window, form::SideSelector);
        selector->showPopup();
        const QAbstractItemView* list = selector->view();
        const QRect entry = list->visualRect(list->model()->index(1 - selector->currentIndex(), 0));
        QVERIFY2(DarkOnLight(*list->viewport(), entry), "the selector's list");
        selector->hidePopup();
        auto* result = ControlNamed<QLineEdit>(*window, form::ResultBoxes.front().Box);
        result->setFocus(Qt::TabFocusReason);
        auto* note = window->findChild<QLabel*>(QStringLiteral("BoxTip"));
        QVERIFY2(note != nullptr && note->isVisible() && DarkOnLight(*note, note->rect().adjusted(2, 2, -2, -2)),
                 "the note under a box");
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), result->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(result, &hover);
        auto* hoverTip = result->findChild<QLabel*>(QStringLiteral("qtooltip_label"));
        QVERIFY2(hoverTip != nullptr && DarkOnLight(*hoverTip, hoverTip->rect().adjusted(2, 2, -2, -2)),
                 "the hover text");
        QToolTip::hideText();
        // Back on the light theme, the window follows it again.
        QApplication::setPalette(desktop);
        QCoreApplication::processEvents();
        QCOMPARE(window->palette().color(QPalette::Window), desktop.color(QPalette::Window));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
