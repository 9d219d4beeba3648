#include "form/colours.h"
#include "form/placement.h"

#include <QtTest>

using acpower::form::Rgb;
using acpower::form::ScreenRect;
using acpower::form::Theme;

Q_DECLARE_METATYPE(acpower::form::ScreenRect)
Q_DECLARE_METATYPE(acpower::form::Theme)

// The window rules that hold for every toolkit: where the window opens and
// whether the form's colours can be read on a theme.
class TestWindowRules : public QObject {
    Q_OBJECT

private slots:
    void placesWithinTheScreen_data()
    {
        // clang-format off
        QTest::addColumn<bool>("centred");   // the window at start-up, else a note at its place
        QTest::addColumn<ScreenRect>("rect");   // only the size counts for a centred window
        QTest::addColumn<ScreenRect>("area");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");

        const ScreenRect screen{0, 0, 1024, 768};
        const ScreenRect window{0, 0, 577, 222};
        QTest::newRow("centred") << true << window << screen << 223 << 273;
        QTest::newRow("wider than the area, as at scale factor 2")
            << true << window << ScreenRect{0, 0, 512, 384} << 0 << 81;
        QTest::newRow("taller than a screen left of the primary")
            << true << window << ScreenRect{-1024, 0, 1024, 200} << -801 << 0;
        QTest::newRow("far out on a huge desktop")
            << true << window << ScreenRect{2147483000, 0, 600, 300} << 2147483011 << 39;
        QTest::newRow("a note past the bottom right corner")
            << false << ScreenRect{1000, 760, 100, 20} << screen << 924 << 748;
        QTest::newRow("a note wider than the screen") << false << ScreenRect{300, -10, 2000, 20} << screen << 0 << 0;
        // clang-format on
    }

    void placesWithinTheScreen()
    {
        QFETCH(bool, centred);
        QFETCH(ScreenRect, rect);
        QFETCH(ScreenRect, area);
        QFETCH(int, left);
        QFETCH(int, top);

        const ScreenRect placed = centred ? acpower::form::PlaceCentred(rect.Width, rect.Height, area)
                                          : acpower::form::MovedInto(rect, area);
        QCOMPARE(placed.Left, left);
        QCOMPARE(placed.Top, top);
        QCOMPARE(placed.Width, rect.Width);
        QCOMPARE(placed.Height, rect.Height);
    }

    // Also a check of the WCAG formula, pinned where red on grey crosses 3 : 1.
    void formReadsOnTheme_data()
    {
        // clang-format off
        QTest::addColumn<Theme>("theme");   // window, window text, box, box text
        QTest::addColumn<bool>("reads");

        const Rgb black{0, 0, 0};
        const Rgb white{255, 255, 255};
        QTest::newRow("the classic look it falls back to") << acpower::form::ClassicLight << true;
        QTest::newRow("a light theme") << Theme{{239, 239, 239}, black, white, black} << true;
        QTest::newRow("a dark theme") << Theme{{53, 53, 53}, white, {42, 42, 42}, white} << false;
        QTest::newRow("a dark high-contrast theme") << Theme{black, white, black, {255, 255, 0}} << false;
        QTest::newRow("the lightest grey face the red captions fail on")
            << Theme{{222, 222, 222}, black, white, black} << false;
        QTest::newRow("one step lighter, they read at 3.0004 : 1")
            << Theme{{223, 223, 223}, black, white, black} << true;
        QTest::newRow("a light face too dark for the red captions")
            << Theme{{212, 208, 200}, black, white, black} << false;
        // clang-format on
    }

    void formReadsOnTheme()
    {
        QFETCH(Theme, theme);
        QFETCH(bool, reads);

        QCOMPARE(acpower::form::FormReadsOn(theme), reads);
    }
};

QTEST_GUILESS_MAIN(TestWindowRules)
#include "tst_window_rules.moc"
