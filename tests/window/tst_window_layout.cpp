#include "window/art.h"
#include "window/fonts.h"
#include "window/main_window.h"
#include "window/selector_box.h"
#include "tests/window/window_controls.h"

#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace {

// The layout is drawn in twips; 15 of them make one pixel at 96 dots per inch.
QRect FromTwips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

const QColor DarkBlue(0, 0, 192);
const QColor Red(255, 0, 0);
const QColor LightGrey(224, 224, 224);

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

QString ShownText(const QWidget* control)
{
    if (const auto* selector = qobject_cast<const QComboBox*>(control)) {
        return selector->currentText();
    }
    return control->property("text").toString();
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void boxes_data();
    void boxes();
    void tabOrder_data();
    void tabOrder();
    void captionsShowWhole_data();
    void captionsShowWhole();
    void selectorEntriesShowWhole_data();
    void selectorEntriesShowWhole();
    void accessibleNames_data();
    void accessibleNames();
    void linkCursor_data();
    void linkCursor();
    void iconImages_data();
    void iconImages();
};

void WindowLayoutTest::window()
{
    const acpower::MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Предварительный расчет требуемой мощности кондиционера"));
    QCOMPARE(window.size(), QSize(577, 222));
    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const auto* selector = ControlNamed<QComboBox>(window, QStringLiteral("Combo1"));
    QVERIFY(selector != nullptr);
    QVERIFY2(!selector->isEditable(), "the selector takes no typed text");

    const QPoint offCentre = window.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, "the window first appears centred on the screen");
}

void WindowLayoutTest::controls_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("textColour");  // invalid: the platform's default
    QTest::addColumn<QColor>("background");  // invalid: the platform's default
    QTest::addColumn<qreal>("pointSize");    // 0: the window's own font
    QTest::addColumn<bool>("bold");

    const QColor standard;
    // clang-format off
    QTest::newRow("Label57") << QByteArray("QLabel") << FromTwips(0, 60, 855, 195) << "Компания" << standard << standard << 0.0 << false;
    QTest::newRow("Label55") << QByteArray("QLabel") << FromTwips(840, 60, 615, 195) << "ОРНИК" << DarkBlue << standard << 0.0 << false;
    QTest::newRow("Label56") << QByteArray("QLabel") << FromTwips(1440, 60, 555, 195) << "ВЕЙМ" << Red << standard << 0.0 << false;
    QTest::newRow("Label2") << QByteArray("QLabel") << FromTwips(1680, 480, 1335, 255) << "Площадь, кв. м" << standard << standard << 0.0 << false;
    QTest::newRow("Text1") << QByteArray("QLineEdit") << FromTwips(3120, 480, 675, 285) << "" << standard << standard << 0.0 << false;
    QTest::newRow("Label3") << QByteArray("QLabel") << FromTwips(1440, 900, 1515, 255) << "Высота потолка, м" << standard << standard << 0.0 << false;
    QTest::newRow("Text2") << QByteArray("QLineEdit") << FromTwips(3120, 900, 675, 285) << "" << standard << standard << 0.0 << false;
    QTest::newRow("Label4") << QByteArray("QLabel") << FromTwips(1740, 1320, 1275, 255) << "Кол-во человек" << standard << standard << 0.0 << false;
    QTest::newRow("Text3") << QByteArray("QLineEdit") << FromTwips(3120, 1320, 675, 285) << "" << standard << standard << 0.0 << false;
    QTest::newRow("Label8") << QByteArray("QLabel") << FromTwips(4800, 1500, 2055, 255) << "Объем помещения, куб. м" << DarkBlue << standard << 0.0 << false;
    QTest::newRow("Text6") << QByteArray("QLineEdit") << FromTwips(7020, 1500, 975, 285) << "" << standard << LightGrey << 0.0 << false;
    QTest::newRow("Label5") << QByteArray("QLabel") << FromTwips(1320, 1740, 1635, 255) << "Кол-во компьютеров" << standard << standard << 0.0 << false;
    QTest::newRow("Text4") << QByteArray("QLineEdit") << FromTwips(3120, 1740, 675, 285) << "" << standard << standard << 0.0 << false;
    QTest::newRow("Label9") << QByteArray("QLabel") << FromTwips(4860, 1920, 1935, 495) << "Мощность кондиционера, кВт" << Red << standard << 9.75 << false;
    QTest::newRow("Text7") << QByteArray("QLineEdit") << FromTwips(7020, 2040, 975, 300) << "" << standard << LightGrey << 9.75 << true;
    QTest::newRow("Label10") << QByteArray("QLabel") << FromTwips(840, 2160, 2175, 255) << "Мощность эл. приборов, Вт" << standard << standard << 0.0 << false;
    QTest::newRow("Text5") << QByteArray("QLineEdit") << FromTwips(3120, 2160, 675, 285) << "" << standard << standard << 0.0 << false;
    QTest::newRow("Combo1") << QByteArray("QComboBox") << FromTwips(2640, 2640, 1215, 315) << "теневую" << standard << standard << 0.0 << false;
    QTest::newRow("Label6") << QByteArray("QLabel") << FromTwips(1260, 2700, 1335, 255) << "Окна выходят на" << standard << standard << 0.0 << false;
    QTest::newRow("Label7") << QByteArray("QLabel") << FromTwips(3900, 2700, 855, 195) << "сторону" << standard << standard << 0.0 << false;
    // clang-format on
}

void WindowLayoutTest::controls()
{
    QFETCH(QByteArray, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QColor, textColour);
    QFETCH(QColor, background);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);

    const acpower::MainWindow window;
    const QWidget* control = ControlNamed(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control != nullptr);
    QVERIFY(control->inherits(kind.constData()));
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(ShownText(control), text);

    const QPalette standard = QApplication::palette(control);
    const QPalette::ColorRole foreground = control->foregroundRole();
    const QPalette::ColorRole backdrop = control->backgroundRole();
    QCOMPARE(control->palette().color(foreground), textColour.isValid() ? textColour : standard.color(foreground));
    QCOMPARE(control->palette().color(backdrop), background.isValid() ? background : standard.color(backdrop));

    if (pointSize == 0.0) {
        QCOMPARE(control->font(), window.font());
    } else {
        QCOMPARE(control->font().family(), QString::fromLatin1(acpower::NamedFace));
        QCOMPARE(control->font().pointSizeF(), pointSize);
        QCOMPARE(control->font().bold(), bold);
        QVERIFY(!control->font().italic());
        QVERIFY(!control->font().underline());
        QVERIFY(!control->font().strikeOut());
    }
}

void WindowLayoutTest::boxes_data()
{
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("Text1") << false;
    QTest::newRow("Text2") << false;
    QTest::newRow("Text3") << false;
    QTest::newRow("Text4") << false;
    QTest::newRow("Text5") << false;
    QTest::newRow("Text6") << true;
    QTest::newRow("Text7") << true;
}

void WindowLayoutTest::boxes()
{
    QFETCH(bool, readOnly);

    const acpower::MainWindow window;
    const auto* box = ControlNamed<QLineEdit>(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box != nullptr);
    QCOMPARE(box->isReadOnly(), readOnly);
    // Result boxes too take the keyboard focus, so their text can be copied.
    QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
}

void WindowLayoutTest::tabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("Text1") << "Text1" << "Text2";
    QTest::newRow("Text2") << "Text2" << "Text3";
    QTest::newRow("Text3") << "Text3" << "Text4";
    QTest::newRow("Text4") << "Text4" << "Text5";
    QTest::newRow("Text5 goes to the selector, not a caption") << "Text5" << "Combo1";
    QTest::newRow("Combo1") << "Combo1" << "Text6";
    QTest::newRow("Text6") << "Text6" << "Text7";
    QTest::newRow("Text7 wraps round") << "Text7" << "Text1";
}

void WindowLayoutTest::tabOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);

    acpower::MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* start = ControlNamed(window, from);
    QVERIFY(start != nullptr);
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), start);

    QTest::keyClick(start, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void WindowLayoutTest::captionsShowWhole_data()
{
    QTest::addColumn<int>("lines");

    QTest::newRow("Label57") << 1;
    QTest::newRow("Label55") << 1;
    QTest::newRow("Label56") << 1;
    QTest::newRow("Label2") << 1;
    QTest::newRow("Label3") << 1;
    QTest::newRow("Label4") << 1;
    QTest::newRow("Label5") << 1;
    QTest::newRow("Label6") << 1;
    QTest::newRow("Label7") << 1;
    QTest::newRow("Label8") << 1;
    QTest::newRow("Label9") << 2;
    QTest::newRow("Label10") << 1;
}

void WindowLayoutTest::captionsShowWhole()
{
    QFETCH(int, lines);

    const acpower::MainWindow window;
    const auto* caption = ControlNamed<QLabel>(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(caption != nullptr);
    // Measured with the face that this system really draws, fallbacks included.
    const QFontMetrics metrics(caption->font());
    const QRect box = caption->contentsRect();
    const int flags = static_cast<int>(caption->alignment()) | (caption->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(box, flags, caption->text());

    QVERIFY2(box.contains(needed),
             qPrintable(QStringLiteral("%1 × %2 of text in a %3 × %4 box")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(box.width())
                            .arg(box.height())));
    QCOMPARE(needed.height() / metrics.height(), lines);
}

void WindowLayoutTest::selectorEntriesShowWhole_data()
{
    QTest::addColumn<int>("index");

    QTest::newRow("солнечную") << 0;
    QTest::newRow("теневую") << 1;
}

void WindowLayoutTest::selectorEntriesShowWhole()
{
    QFETCH(int, index);

    acpower::MainWindow window;
    auto* selector = ControlNamed<acpower::SelectorBox>(window, QStringLiteral("Combo1"));
    QVERIFY(selector != nullptr);
    selector->setCurrentIndex(index);
    QStyleOptionComboBox option;
    option.initFrom(selector);
    option.editable = selector->isEditable();
    const QRect arrow = selector->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, selector);
    const QRect entry = selector->EntryRect();
    // Styles draw the shown entry one pixel inside its field on either side;
    // the field must stay clear of the frame and of the arrow.
    const int room = entry.width() - 2;
    const int needed = selector->fontMetrics().horizontalAdvance(selector->currentText());
    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 px of text in %2 px").arg(needed).arg(room)));
    QVERIFY(entry.left() >= 1);
    QVERIFY(entry.right() < arrow.left() || arrow.isEmpty());
}

void WindowLayoutTest::accessibleNames_data()
{
    QTest::addColumn<QString>("caption");

    QTest::newRow("Text1") << "Площадь, кв. м";
    QTest::newRow("Text2") << "Высота потолка, м";
    QTest::newRow("Text3") << "Кол-во человек";
    QTest::newRow("Text4") << "Кол-во компьютеров";
    QTest::newRow("Text5") << "Мощность эл. приборов, Вт";
    QTest::newRow("Text6") << "Объем помещения, куб. м";
    QTest::newRow("Text7") << "Мощность кондиционера, кВт";
    QTest::newRow("Combo1") << "Окна выходят на";
}

void WindowLayoutTest::accessibleNames()
{
    QFETCH(QString, caption);

    const acpower::MainWindow window;
    QWidget* control = ControlNamed(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control != nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible != nullptr);

    // Every platform's bridge offers the labelling caption as a relation.
    QStringList labels;
    for (const auto& relation : accessible->relations(QAccessible::Label)) {
        labels.append(relation.first->text(QAccessible::Name));
    }
    QCOMPARE(labels, QStringList{caption});

    // A selector's name is its shown entry on Linux, so the name is checked
    // on the boxes only.
    if (qobject_cast<QLineEdit*>(control) != nullptr) {
        QCOMPARE(accessible->text(QAccessible::Name), caption);
    }
}

void WindowLayoutTest::linkCursor_data()
{
    QTest::addColumn<bool>("link");

    QTest::newRow("Label55") << true;
    QTest::newRow("Label56") << true;
    QTest::newRow("Label57") << false;
}

void WindowLayoutTest::linkCursor()
{
    QFETCH(bool, link);

    const acpower::MainWindow window;
    const QWidget* caption = ControlNamed(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(caption != nullptr);
    if (!link) {
        QVERIFY(!caption->testAttribute(Qt::WA_SetCursor));
        return;
    }

    const QCursor cursor = caption->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    const QImage hand = cursor.pixmap().toImage();
    QCOMPARE(hand.size(), QSize(32, 32));
    QCOMPARE(qAlpha(hand.pixel(cursor.hotSpot())), 255);
    QCOMPARE(qAlpha(hand.pixel(0, 0)), 0);
    const QSet<QRgb> colours = OpaqueColours(hand);
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.contains(qRgb(255, 255, 255)));
    QVERIFY(colours.contains(qRgb(0, 0, 255)));
}

void WindowLayoutTest::iconImages_data()
{
    QTest::addColumn<int>("side");

    QTest::newRow("32 × 32") << 32;
    QTest::newRow("16 × 16") << 16;
}

void WindowLayoutTest::iconImages()
{
    QFETCH(int, side);

    const acpower::MainWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    const QImage image = icon.pixmap(QSize(side, side)).toImage();
    QCOMPARE(image.size(), QSize(side, side));

    const QSet<QRgb> colours = OpaqueColours(image);
    QVERIFY(colours.size() <= 16);
    QVERIFY2(colours.contains(qRgb(255, 0, 0)), "a red zigzag");
    QVERIFY2(colours.contains(qRgb(0, 0, 128)), "a dark-blue zigzag");
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
