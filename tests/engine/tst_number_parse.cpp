#include "numbers/number_parse.h"
#include "tests/support/test_locales.h"

#include <QtTest>

#include <cfloat>
#include <cmath>

using acpower::NumberLocale;
using acpower::ParseStatus;

Q_DECLARE_METATYPE(acpower::ParseStatus)

namespace {

NumberLocale LocaleNamed(const QString& name)
{
    if (name == QLatin1String("comma")) {
        return acpower::test::CommaLocale();
    }
    if (name == QLatin1String("point")) {
        return acpower::test::PointLocale();
    }
    if (name == QLatin1String("point-groups")) {
        return acpower::test::PointGroupingLocale();
    }
    return acpower::test::TypographicMinusLocale();
}

}  // namespace

class TestNumberParse : public QObject {
    Q_OBJECT

private slots:
    void parsesWholeTexts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ParseStatus>("status");
        QTest::addColumn<float>("value");

        const auto ok = ParseStatus::Ok;
        const auto no = ParseStatus::NotNumeric;

        QTest::newRow("comma: digits") << "comma" << "25" << ok << 25.0F;
        QTest::newRow("comma: decimal") << "comma" << "2,8" << ok << 2.8F;
        QTest::newRow("comma: bare separator while typing") << "comma" << "2," << ok << 2.0F;
        QTest::newRow("comma: leading separator") << "comma" << ",5" << ok << 0.5F;
        QTest::newRow("comma: point typed instead") << "comma" << "2.8" << ok << 2.8F;
        QTest::newRow("comma: point alone after digits") << "comma" << "2." << ok << 2.0F;
        QTest::newRow("comma: minus") << "comma" << "-3,5" << ok << -3.5F;
        QTest::newRow("comma: plus") << "comma" << "+3" << ok << 3.0F;
        QTest::newRow("comma: minus and leading separator") << "comma" << "-,5" << ok << -0.5F;
        QTest::newRow("comma: spaces around") << "comma" << "  12 " << ok << 12.0F;
        QTest::newRow("comma: space before sign") << "comma" << " -1" << ok << -1.0F;
        QTest::newRow("comma: leading zeros") << "comma" << "007" << ok << 7.0F;
        QTest::newRow("comma: zero") << "comma" << "0" << ok << 0.0F;
        QTest::newRow("comma: empty") << "comma" << "" << no << 0.0F;
        QTest::newRow("comma: spaces only") << "comma" << "   " << no << 0.0F;
        QTest::newRow("comma: minus alone") << "comma" << "-" << no << 0.0F;
        QTest::newRow("comma: plus alone") << "comma" << "+" << no << 0.0F;
        QTest::newRow("comma: separator alone") << "comma" << "," << no << 0.0F;
        QTest::newRow("comma: sign and separator") << "comma" << "-," << no << 0.0F;
        QTest::newRow("comma: two separators") << "comma" << "1,2,3" << no << 0.0F;
        QTest::newRow("comma: comma then point") << "comma" << "1,2.3" << no << 0.0F;
        QTest::newRow("comma: letter after digits") << "comma" << "12a" << no << 0.0F;
        QTest::newRow("comma: Cyrillic letter") << "comma" << QString::fromUtf8("12б") << no << 0.0F;
        QTest::newRow("comma: exponent") << "comma" << "1e5" << no << 0.0F;
        QTest::newRow("comma: group separator") << "comma" << QString::fromUtf8("1\u00A0000") << ok << 1000.0F;
        QTest::newRow("comma: inner space") << "comma" << "1 000" << ok << 1000.0F;
        QTest::newRow("comma: thin space groups") << "comma" << QString::fromUtf8("1\u2009000\u2009000") << ok << 1e6F;
        QTest::newRow("comma: narrow no-break space groups")
            << "comma" << QString::fromUtf8("-12\u202F345,5") << ok << -12345.5F;
        QTest::newRow("comma: groups typed so far") << "comma" << "1 0" << ok << 10.0F;
        QTest::newRow("comma: space typed after digits") << "comma" << "1 " << ok << 1.0F;
        QTest::newRow("comma: two inner spaces") << "comma" << "1  000" << no << 0.0F;
        QTest::newRow("comma: space in the fraction") << "comma" << "1,000 5" << no << 0.0F;
        QTest::newRow("comma: space before the separator") << "comma" << "1 ,5" << no << 0.0F;
        QTest::newRow("comma: tab between digits") << "comma" << "1\t000" << no << 0.0F;
        QTest::newRow("comma: figure space") << "comma" << QString::fromUtf8("1\u2007000") << no << 0.0F;
        QTest::newRow("comma: two signs") << "comma" << "--1" << no << 0.0F;
        QTest::newRow("comma: trailing sign") << "comma" << "1-" << no << 0.0F;
        QTest::newRow("comma: space after sign") << "comma" << "- 1" << no << 0.0F;
        QTest::newRow("comma: hex") << "comma" << "0x10" << no << 0.0F;
        QTest::newRow("comma: infinity word") << "comma" << "inf" << no << 0.0F;
        QTest::newRow("comma: nan word") << "comma" << "nan" << no << 0.0F;
        QTest::newRow("comma: fullwidth digit") << "comma" << QString::fromUtf8("１") << no << 0.0F;
        QTest::newRow("comma: tab") << "comma" << "\t1" << ok << 1.0F;
        QTest::newRow("comma: spreadsheet cell") << "comma" << "25\n" << ok << 25.0F;
        QTest::newRow("comma: Windows line break and tabs") << "comma" << "\t2,8\t\r\n" << ok << 2.8F;
        QTest::newRow("comma: minus among line breaks") << "comma" << "\n-\n" << no << 0.0F;

        QTest::newRow("point: decimal") << "point" << "2.8" << ok << 2.8F;
        QTest::newRow("point: bare separator") << "point" << "2." << ok << 2.0F;
        QTest::newRow("point: leading separator") << "point" << ".5" << ok << 0.5F;
        QTest::newRow("point: comma typed instead") << "point" << "2,8" << ok << 2.8F;
        QTest::newRow("point: comma is a separator, not a group") << "point" << "1,000" << ok << 1.0F;
        QTest::newRow("point: point then comma") << "point" << "1.2,3" << no << 0.0F;
        QTest::newRow("point: space groups") << "point" << "1 000.5" << ok << 1000.5F;
        QTest::newRow("point: minus alone") << "point" << "-" << no << 0.0F;

        QTest::newRow("point groups: comma decimal") << "point-groups" << "2,8" << ok << 2.8F;
        QTest::newRow("point groups: point is a separator, not a group")
            << "point-groups" << "2.8" << ok << 2.8F;

        QTest::newRow("typographic minus") << "minus" << QString::fromUtf8("\u22122,5") << ok << -2.5F;
        QTest::newRow("typographic minus: hyphen too") << "minus" << "-2,5" << ok << -2.5F;
        QTest::newRow("typographic minus alone") << "minus" << QString::fromUtf8("\u2212") << no << 0.0F;
        // clang-format on
    }

    void parsesWholeTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(ParseStatus, status);
        QFETCH(float, value);

        const NumberLocale numberLocale = LocaleNamed(locale);
        const auto parsed = acpower::ParseNumber(text.toStdU16String(), numberLocale);
        QCOMPARE(parsed.Status, status);
        if (status == ParseStatus::Ok) {
            QCOMPARE(parsed.Value, value);
        }
    }

    void roundsOnceFromTheDecimal_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value");

        // Just above the midpoint between 1 and the next single: through a
        // double it would land on the midpoint and tie down to 1.
        QTest::newRow("above a midpoint") << "1,0000000596046447753906251" << std::nextafter(1.0F, 2.0F);
        QTest::newRow("exact midpoint ties to even") << "1,000000059604644775390625" << 1.0F;
        QTest::newRow("below a midpoint") << "1,0000000596046447753906249" << 1.0F;
        QTest::newRow("largest single") << "340282346638528859811704183484516925440" << FLT_MAX;
        QTest::newRow("just under the overflow midpoint")
            << "340282356779733661637539395458142568447" << FLT_MAX;
        QTest::newRow("far below the smallest single") << QString("0,") + QString(60, '0') + "1" << 0.0F;
        QTest::newRow("negative underflow") << QString("-0,") + QString(60, '0') + "1" << -0.0F;
        QTest::newRow("smallest subnormal") << "0,000000000000000000000000000000000000000000001401298464324817"
                                            << std::numeric_limits<float>::denorm_min();
        // clang-format on
    }

    void roundsOnceFromTheDecimal()
    {
        QFETCH(QString, text);
        QFETCH(float, value);

        const auto parsed = acpower::ParseNumber(text.toStdU16String(), acpower::test::CommaLocale());
        QCOMPARE(parsed.Status, ParseStatus::Ok);
        QCOMPARE(parsed.Value, value);
        QCOMPARE(std::signbit(parsed.Value), std::signbit(value));
    }

    void refusesValuesBeyondSingle_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");

        QTest::newRow("forty digits") << QString(40, '9');
        QTest::newRow("negative forty digits") << "-" + QString(40, '9');
        QTest::newRow("exact overflow midpoint") << "340282356779733661637539395458142568448";
        QTest::newRow("with a fraction") << QString(39, '5') + ",5";
        QTest::newRow("pasted page of digits") << QString(5000, '1') + "," + QString(5000, '0');
        // clang-format on
    }

    void refusesValuesBeyondSingle()
    {
        QFETCH(QString, text);

        const auto parsed = acpower::ParseNumber(text.toStdU16String(), acpower::test::CommaLocale());
        QCOMPARE(parsed.Status, ParseStatus::OutOfRange);
        QCOMPARE(parsed.Value, 0.0F);
    }
};

QTEST_GUILESS_MAIN(TestNumberParse)
#include "tst_number_parse.moc"
