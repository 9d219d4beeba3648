#include "form/colours.h"
#include "form/form1.h"
#include "qt/internal/selector_box.h"
#include "qt/main_window.h"
#include "resources/program_art.h"
#include "tests/qt/window_controls.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

namespace form = acpower::form;

// The form is drawn in twips; the Qt window is laid out at 96 dots per inch.
QRect PixelsOf(const form::Twips& rect)
{
    return QRect(form::TwipsToPixels(rect.Left, 96), form::TwipsToPixels(rect.Top, 96),
                 form::TwipsToPixels(rect.Width, 96), form::TwipsToPixels(rect.Height, 96));
}

// The class each kind of control is made of; a link caption answers clicks.
const char* QtClassOf(const form::Control& control)
{
    switch (control.Kind) {
    case form::ControlKind::Caption:
        return control.Link ? "acpower::LinkLabel" : "QLabel";
    case form::ControlKind::EntryBox:
    case form::ControlKind::ResultBox:
        return "QLineEdit";
    case form::ControlKind::Selector:
        break;
    }
    return "acpower::SelectorBox";
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
    return palette;
}

// What a drawn text is read against, and the colour its strokes are drawn in:
// the commonest colour of the area is the ground; of the colours that cover
// a few pixels, the one furthest from the ground is the text's own, the
// glyphs' cores. Anti-aliased edges only lie between the two.
struct DrawnText {
    form::Rgb Ground;
    form::Rgb Ink;
};

DrawnText ReadDrawnText(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000U];
        }
    }
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(ground)) {
            ground = it.key();
        }
    }
    QRgb ink = ground;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() >= 3
            && form::ContrastRatio(RgbOf(it.key()), RgbOf(ground)) > form::ContrastRatio(RgbOf(ink), RgbOf(ground))) {
            ink = it.key();
        }
    }
    return DrawnText{RgbOf(ground), RgbOf(ink)};
}

// The few pixels that a thin caption's strokes cover whole may all be
// anti-aliased a little towards the ground; another colour stays far off.
bool Near(const form::Rgb& drawn, const form::Rgb& wanted)
{
    const auto close = [](int a, int b) { return std::abs(a - b) <= 48; };
    return close(drawn.Red, wanted.Red) && close(drawn.Green, wanted.Green) && close(drawn.Blue, wanted.Blue);
}

QSet<QRgb> OpaqueColours(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                colours.insert(pixel);
            }
        }
    }
    return colours;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void tabOrder();
    void selectorEntriesShowWhole_data();
    void selectorEntriesShowWhole();
    void iconImages();
    void readableOnEveryTheme_data();
    void readableOnEveryTheme();
};

void WindowLayoutTest::window()
{
    const acpower::MainWindow window;
    QCOMPARE(window.size(), QSize(577, 222));
    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    // Every child is a control of the form, none missing or extra, stacked in
    // the table's order: where two captions touch, the later is on top.
    QStringList stacked;
    for (const QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        stacked.append(child->objectName());
    }
    QStringList table;
    for (const form::Control& control : form::Form1Controls) {
        table.append(Latin1(control.Name));
    }
    QCOMPARE(stacked, table);

    const auto* selector = ControlNamed<QComboBox>(window, "Combo1");
    QVERIFY(selector != nullptr);
    QVERIFY2(!selector->isEditable(), "the selector takes no typed text");

    // Never off the screen: also run at QT_SCALE_FACTOR=2, where the window is
    // larger than the offscreen screen and its top-left corner must stay on it.
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

void WindowLayoutTest::controls_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < form::Form1Controls.size(); ++i) {
        QTest::newRow(std::string(form::Form1Controls[i].Name).c_str()) << static_cast<int>(i);
    }
}

// Each control as a user and a screen reader meet it: of the class that
// gives it its behaviour, where the form places it at 96 DPI, in its face,
// and a caption whole in its box and read out as the name of its box.
void WindowLayoutTest::controls()
{
    QFETCH(int, row);
    const form::Control& expected = form::Form1Controls.at(static_cast<std::size_t>(row));

    const acpower::MainWindow window;
    const QWidget* control = ControlNamed(window, expected.Name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->metaObject()->className(), QtClassOf(expected));
    QCOMPARE(control->geometry(), PixelsOf(expected.Rect));
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        QCOMPARE(box->isReadOnly(), expected.Kind == form::ControlKind::ResultBox);
    }
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
    // Measured with the face that this system really draws, fallbacks included.
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
    const QString name = ToQString(expected.Caption);
    QStringList labels;
    for (const auto& relation : named->relations(QAccessible::Label)) {
        labels.append(relation.first->text(QAccessible::Name));
    }
    QCOMPARE(labels, QStringList{name});
    // A selector's name is its shown entry on Linux, so the name is checked
    // on the boxes only.
    if (qobject_cast<QLineEdit*>(named->object()) != nullptr) {
        QCOMPARE(named->text(QAccessible::Name), name);
    }
}

// Tab visits the boxes and the selector in the form's order, and from the
// last one comes back to the first.
void WindowLayoutTest::tabOrder()
{
    const auto window = ActiveWindow();
    QVERIFY(window != nullptr);
    QStringList expected;
    for (const form::Control* control : form::TabOrder()) {
        expected.append(Latin1(control->Name));
    }
    expected.append(expected.front());

    window->findChild<QWidget*>(expected.front())->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void WindowLayoutTest::selectorEntriesShowWhole_data()
{
    // clang-format off
    QTest::addColumn<int>("index");

    QTest::newRow("солнечную") << 0;
    QTest::newRow("теневую") << 1;
    // clang-format on
}

void WindowLayoutTest::selectorEntriesShowWhole()
{
    QFETCH(int, index);

    acpower::MainWindow window;
    auto* selector = ControlNamed<acpower::SelectorBox>(window, "Combo1");
    QVERIFY(selector != nullptr);
    selector->setCurrentIndex(index);
    QStyleOptionComboBox option;
    option.initFrom(selector);
    option.editable = selector->isEditable();
    const QRect arrow
        = selector->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, selector);
    const QRect entry = selector->EntryRect();
    // Styles draw the shown entry one pixel inside its field on either side;
    // the field must stay clear of the frame and of the arrow.
    const int room = entry.width() - 2;
    const int needed = selector->fontMetrics().horizontalAdvance(selector->currentText());
    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 px of text in %2 px").arg(needed).arg(room)));
    QVERIFY(entry.left() >= 1);
    QVERIFY(entry.right() < arrow.left() || arrow.isEmpty());
}

// The title bar's and the taskbar's images, each drawn for its size.
void WindowLayoutTest::iconImages()
{
    const QIcon icon = acpower::MainWindow().windowIcon();
    for (const int side : {32, 16}) {
        QVERIFY(icon.availableSizes().contains(QSize(side, side)));
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        const QSet<QRgb> colours = OpaqueColours(image);
        QVERIFY(colours.size() <= 16);
        QVERIFY2(colours.contains(qRgb(255, 0, 0)), "a red zigzag");
        QVERIFY2(colours.contains(qRgb(0, 0, 128)), "a dark-blue zigzag");
    }
}

void WindowLayoutTest::readableOnEveryTheme_data()
{
    // clang-format off
    QTest::addColumn<QPalette>("theme");
    QTest::addColumn<bool>("followed");  // the window keeps the theme's own palette

    QTest::newRow("light") << QApplication::palette() << true;
    QTest::newRow("dark") << ThemePalette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42), Qt::white) << false;
    QTest::newRow("high contrast") << ThemePalette(Qt::black, Qt::white, Qt::black, Qt::yellow) << false;
    // clang-format on
}

// Every caption and result, as drawn on the running window, against what it
// is drawn on; and the colours the form sets, drawn as they are.
void WindowLayoutTest::readableOnEveryTheme()
{
    QFETCH(QPalette, theme);
    QFETCH(bool, followed);

    acpower::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
    // A new application palette reaches the widgets through the event loop.
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();
    const QStringList room{"25", "2,8", "3", "2", "1000"};
    for (int i = 0; i < room.size(); ++i) {
        window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))->setText(room[i]);
    }
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), window.size());

    for (const form::Control& control : form::Form1Controls) {
        if (control.Kind != form::ControlKind::Caption && control.Kind != form::ControlKind::ResultBox) {
            continue;
        }
        const QWidget* widget = ControlNamed(window, control.Name);
        QVERIFY(widget != nullptr);
        // A result's text lies inside the box's frame.
        const int frame = control.Kind == form::ControlKind::ResultBox ? 3 : 0;
        const DrawnText text = ReadDrawnText(drawn, widget->geometry().adjusted(frame, frame, -frame, -frame));
        const double contrast = form::ContrastRatio(text.Ink, text.Ground);
        QVERIFY2(contrast >= 3.0, qPrintable(QStringLiteral("%1: %2 : 1").arg(Latin1(control.Name)).arg(contrast)));
        if (control.Background) {
            QVERIFY2(text.Ground == *control.Background, qPrintable(Latin1(control.Name)));
        }
        if (control.TextColour) {
            QVERIFY2(Near(text.Ink, *control.TextColour), qPrintable(Latin1(control.Name)));
        }
    }
    QCOMPARE(window.palette().color(QPalette::Window) == theme.color(QPalette::Window), followed);
    // Back on the light theme, the window follows it again.
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();
    QCOMPARE(window.palette().color(QPalette::Window), desktop.color(QPalette::Window));
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
