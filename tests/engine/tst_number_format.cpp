#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "numbers/single_precision.h"
#include "tests/support/test_locales.h"

#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<double>("tenths");

        QTest::newRow("2.25 down to even") << 2.25F << 22.0;
        QTest::newRow("2.75 up to even") << 2.75F << 28.0;
        QTest::newRow("0.25 down to even") << 0.25F << 2.0;
        QTest::newRow("0.35 is not a half in single") << 0.35F << 3.0;
        QTest::newRow("-2.25 to even") << -2.25F << -22.0;
        QTest::newRow("-2.75 to even") << -2.75F << -28.0;
        QTest::newRow("0.05 is a hair above a half") << 0.05F << 1.0;
        QTest::newRow("3.3 in single") << 3.3F << 33.0;
        QTest::newRow("whole") << 70.0F << 700.0;
        QTest::newRow("zero") << 0.0F << 0.0;
        QTest::newRow("small negative") << -0.04F << 0.0;
        QTest::newRow("largest single") << FLT_MAX << static_cast<double>(FLT_MAX) * 10.0;
        QTest::newRow("last single with a fraction") << 8388607.5F << 83886075.0;
        // clang-format on
    }

    void roundsHalvesToEven()
    {
        QFETCH(float, value);
        QFETCH(double, tenths);

        QCOMPARE(acpower::RoundToTenths(value), tenths);
    }

    void writesDisplayTexts_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("comma");
        QTest::addColumn<QString>("point");

        const float infinity = std::numeric_limits<float>::infinity();
        QTest::newRow("whole without separator") << 70.0F << "70" << "70";
        QTest::newRow("one decimal") << 3.3F << "3,3" << "3.3";
        QTest::newRow("rounded away") << 3.96F << "4" << "4";
        QTest::newRow("half to even") << 2.25F << "2,2" << "2.2";
        QTest::newRow("below one") << 0.5F << "0,5" << "0.5";
        QTest::newRow("negative") << -1.5F << "-1,5" << "-1.5";
        QTest::newRow("negative that rounds to zero") << -0.04F << "0" << "0";
        QTest::newRow("negative zero") << -0.0F << "0" << "0";
        QTest::newRow("no grouping") << 1234567.0F << "1234567" << "1234567";
        QTest::newRow("large with fraction") << 1234567.25F << "1234567,2" << "1234567.2";
        QTest::newRow("first whole-only single") << 8388608.0F << "8388608" << "8388608";
        QTest::newRow("single nearest 16777217") << 16777217.0F << "16777216" << "16777216";
        QTest::newRow("no exponent") << 1e20F << "100000000000000000000" << "100000000000000000000";
        QTest::newRow("shortest digits") << 123456789.0F << "123456790" << "123456790";
        QTest::newRow("largest single") << FLT_MAX << "340282350000000000000000000000000000000"
                                        << "340282350000000000000000000000000000000";
        QTest::newRow("most negative single") << -FLT_MAX << "-340282350000000000000000000000000000000"
                                              << "-340282350000000000000000000000000000000";
        QTest::newRow("tiny") << 1e-30F << "0" << "0";
        QTest::newRow("infinity is never shown") << infinity << "" << "";
        QTest::newRow("nan is never shown") << std::numeric_limits<float>::quiet_NaN() << "" << "";
        // clang-format on
    }

    void writesDisplayTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, comma);
        QFETCH(QString, point);

        QCOMPARE(QString::fromStdU16String(acpower::DisplayText(value, acpower::test::CommaLocale())), comma);
        QCOMPARE(QString::fromStdU16String(acpower::DisplayText(value, acpower::test::PointLocale())), point);
    }

    void writesGroupedTexts_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("comma");
        QTest::addColumn<QString>("point");

        QTest::newRow("rounded up into a new group") << 999.996 << 2 << QString::fromUtf8("1\u00A0000") << "1,000";
        QTest::newRow("negative that rounds to zero") << -0.001 << 2 << "0" << "0";
        QTest::newRow("beyond 64-bit counts, no exponent") << 1e39 << 0
            << QString::fromUtf8("1") + QString::fromUtf8("\u00A0000").repeated(13) << "1" + QString(",000").repeated(13);
        QTest::newRow("not finite") << std::numeric_limits<double>::infinity() << 2 << "" << "";
        // clang-format on
    }

    void writesGroupedTexts()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, comma);
        QFETCH(QString, point);

        QCOMPARE(QString::fromStdU16String(acpower::GroupedText(value, decimals, acpower::test::CommaLocale())), comma);
        QCOMPARE(QString::fromStdU16String(acpower::GroupedText(value, decimals, acpower::test::PointLocale())), point);
    }

    void usesTheLocaleMinusSign()
    {
        const acpower::NumberLocale locale{u",", u"\u00A0", u"\u2212"};
        QCOMPARE(QString::fromStdU16String(acpower::DisplayText(-2.5F, locale)), QString::fromUtf8("\u22122,5"));
    }

    // A locale that names no separator or sign falls back to the point and
    // the hyphen, and the parser must read back exactly what is shown.
    void emptyLocaleReadsBackItsOwnTexts_data()
    {
        // clang-format off
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("readBack");

        QTest::newRow("negative fraction") << -2.5F << "-2.5" << -2.5F;
        QTest::newRow("rounded fraction") << 3.3F << "3.3" << 3.3F;
        QTest::newRow("whole") << 70.0F << "70" << 70.0F;
        // clang-format on
    }

    void emptyLocaleReadsBackItsOwnTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QFETCH(float, readBack);

        const acpower::NumberLocale empty{};
        const std::u16string shown = acpower::DisplayText(value, empty);
        QCOMPARE(QString::fromStdU16String(shown), text);
        const acpower::ParsedNumber parsed = acpower::ParseNumber(shown, empty);
        QVERIFY(parsed.Status == acpower::ParseStatus::Ok);
        QCOMPARE(parsed.Value, readBack);
    }

    void narrowsToSingle_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<float>("single");

        const double max = FLT_MAX;
        const double midpoint = max + 0x1p103;
        QTest::newRow("ordinary") << 3.3000000000000003 << true << 3.3F;
        QTest::newRow("largest single") << max << true << FLT_MAX;
        QTest::newRow("just above the largest single") << std::nextafter(max, HUGE_VAL) << true << FLT_MAX;
        QTest::newRow("just below the midpoint") << std::nextafter(midpoint, 0.0) << true << FLT_MAX;
        QTest::newRow("midpoint ties to infinity") << midpoint << false << 0.0F;
        QTest::newRow("negative beyond") << -1e39 << false << 0.0F;
        QTest::newRow("negative just below the midpoint") << -std::nextafter(midpoint, 0.0) << true << -FLT_MAX;
        QTest::newRow("infinity") << HUGE_VAL << false << 0.0F;
        QTest::newRow("nan") << std::nan("") << false << 0.0F;
        QTest::newRow("underflow to zero") << 1e-60 << true << 0.0F;
        // clang-format on
    }

    void narrowsToSingle()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(float, single);

        const auto narrowed = acpower::NarrowToSingle(value);
        QCOMPARE(narrowed.has_value(), fits);
        if (fits) {
            QCOMPARE(*narrowed, single);
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
