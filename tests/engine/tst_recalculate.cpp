#include "core/recalculate.h"
#include "numbers/number_format.h"
#include "tests/support/example_room.h"
#include "tests/support/test_locales.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

using acpower::CalculatorState;
using acpower::test::CommaLocale;
using acpower::test::ModelPower;
using acpower::test::PointLocale;
using acpower::test::Room;

namespace {

// Written independently of the program's formatter: Qt's fixed notation of
// the value rounded half-even to tenths, without a trailing ",0".
QString ModelText(float value)
{
    const double tenths = std::nearbyint(static_cast<double>(value) * 10.0);
    QString text = QString::number(tenths / 10.0, 'f', 1);
    if (text.endsWith(QLatin1String(".0"))) {
        text.chop(2);
    }
    if (text == QLatin1String("-0")) {
        text = QStringLiteral("0");
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// Whole singles past 2^23 may be written with fewer significant digits than
// their binary value has; they must still read back to the same single.
void CompareDisplay(const std::u16string& shown, float value)
{
    const QString text = QString::fromStdU16String(shown);
    if (std::fabs(value) < 8388608.0F) {
        QCOMPARE(text, ModelText(value));
        return;
    }
    QVERIFY2(!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('e')), qPrintable(text));
    QCOMPARE(std::strtof(text.toLatin1().constData(), nullptr), value);
}

float RandomValue(QRandomGenerator& random, double low, double high, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double raw = low + random.generateDouble() * (high - low);
    return static_cast<float>(std::round(raw * scale) / scale);
}

}  // namespace

class TestRecalculate : public QObject {
    Q_OBJECT

private slots:
    void showsVolumeAndPower_data()
    {
        // clang-format off
        QTest::addColumn<float>("area");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("people");
        QTest::addColumn<float>("computers");
        QTest::addColumn<float>("appliances");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("power");

        QTest::newRow("office, shady") << 25.0F << 2.8F << 3.0F << 2.0F << 1000.0F << 30.0F << "70" << "3,3";
        QTest::newRow("office, sunny") << 25.0F << 2.8F << 3.0F << 2.0F << 1000.0F << 40.0F << "70" << "4";
        QTest::newRow("volume exactly 2.25") << 1.5F << 1.5F << 0.0F << 0.0F << 0.0F << 30.0F << "2,2" << "0,1";
        QTest::newRow("zero area hides power") << 0.0F << 2.8F << 3.0F << 2.0F << 1000.0F << 30.0F << "0" << "";
        QTest::newRow("zero height hides power") << 25.0F << 0.0F << 50.0F << 0.0F << 0.0F << 30.0F << "0" << "";
        QTest::newRow("negative area") << -25.0F << 2.8F << 3.0F << 2.0F << 1000.0F << 30.0F << "-70" << "";
        QTest::newRow("fractional people") << 10.0F << 2.0F << 2.5F << 0.0F << 0.0F << 30.0F << "20" << "0,9";
        QTest::newRow("negative computers") << 10.0F << 2.0F << 0.0F << -1.0F << 0.0F << 30.0F << "20" << "0,3";
        QTest::newRow("tiny volume still positive") << 0.01F << 0.01F << 0.0F << 0.0F << 0.0F << 30.0F << "0" << "0";
        QTest::newRow("crowd beyond single, power fits")
            << 1.0F << 1.0F << 1e37F << 0.0F << 0.0F << 30.0F << "1" << "1000000000000000000000000000000000000";
        // clang-format on
    }

    void showsVolumeAndPower()
    {
        QFETCH(float, area);
        QFETCH(float, height);
        QFETCH(float, people);
        QFETCH(float, computers);
        QFETCH(float, appliances);
        QFETCH(float, factor);
        QFETCH(QString, volume);
        QFETCH(QString, power);

        CalculatorState state = Room(area, height, people, computers, appliances, factor);
        const auto texts = acpower::Recalculate(state, CommaLocale());
        QCOMPARE(QString::fromStdU16String(texts.Volume), volume);
        QCOMPARE(QString::fromStdU16String(texts.Power), power);
    }

    void pointLocaleWritesPoints()
    {
        CalculatorState state = Room(25.0F, 2.8F, 3.0F, 2.0F, 1000.0F, 30.0F);
        const auto texts = acpower::Recalculate(state, PointLocale());
        QCOMPARE(QString::fromStdU16String(texts.Power), QStringLiteral("3.3"));
    }

    void onlyPowerFollowsTheFactor()
    {
        CalculatorState state = Room(25.0F, 2.8F, 3.0F, 2.0F, 1000.0F, 30.0F);
        const auto shady = acpower::Recalculate(state, CommaLocale());
        state.WindowFactor = 40.0F;
        const auto sunny = acpower::Recalculate(state, CommaLocale());
        QCOMPARE(sunny.Volume, shady.Volume);
        QVERIFY(sunny.Power != shady.Power);
        QCOMPARE(state.RoomVolume, 70.0F);
        QCOMPARE(state.CoolingPower, 4.0F);
    }

    void overflowShowsNothing_data()
    {
        // clang-format off
        QTest::addColumn<float>("area");
        QTest::addColumn<float>("height");

        QTest::newRow("area and height of 1e20") << 1e20F << 1e20F;
        QTest::newRow("negative overflow") << -1e20F << 1e20F;
        QTest::newRow("largest singles") << FLT_MAX << FLT_MAX;
        QTest::newRow("just past the largest single") << FLT_MAX << 1.0000001F;
        // clang-format on
    }

    void overflowShowsNothing()
    {
        QFETCH(float, area);
        QFETCH(float, height);

        CalculatorState state = Room(area, height, 3.0F, 2.0F, 1000.0F, 30.0F);
        state.RoomVolume = 70.0F;
        state.CoolingPower = 3.3F;
        const auto texts = acpower::Recalculate(state, CommaLocale());
        QVERIFY(texts.Volume.empty());
        QVERIFY(texts.Power.empty());
        QCOMPARE(state.RoomVolume, 0.0F);
        QCOMPARE(state.CoolingPower, 0.0F);
    }

    void largestVolumeStillShows()
    {
        CalculatorState state = Room(FLT_MAX, 1.0F, 0.0F, 0.0F, 0.0F, 40.0F);
        const auto texts = acpower::Recalculate(state, CommaLocale());
        QCOMPARE(QString::fromStdU16String(texts.Volume), QStringLiteral("340282350000000000000000000000000000000"));
        QVERIFY(std::isfinite(state.CoolingPower));
        QVERIFY(!texts.Power.empty());
    }

    // Random rooms against the long-double model: the program's double sums
    // may differ from it by a double's rounding, which can move the single
    // result by one step only when the exact value sits on a midpoint.
    void agreesWithTheModel()
    {
        QRandomGenerator random(20261208);
        int exact = 0;
        const int rooms = 20000;
        for (int i = 0; i < rooms; ++i) {
            const bool wild = (i % 10) == 0;
            CalculatorState state
                = Room(RandomValue(random, wild ? -1e6 : 0.0, wild ? 1e6 : 500.0, 2),
                       RandomValue(random, wild ? -100.0 : 0.0, wild ? 100.0 : 5.0, 2),
                       RandomValue(random, wild ? -1e4 : 0.0, wild ? 1e4 : 50.0, wild ? 3 : 0),
                       RandomValue(random, 0.0, wild ? 1e4 : 20.0, wild ? 1 : 0),
                       RandomValue(random, wild ? -1e7 : 0.0, wild ? 1e7 : 10000.0, 1), (i % 2) == 0 ? 30.0F : 40.0F);
            const auto texts = acpower::Recalculate(state, CommaLocale());

            const float volume = static_cast<float>(static_cast<long double>(state.CeilingHeight) * state.Area);
            QCOMPARE(state.RoomVolume, volume);
            CompareDisplay(texts.Volume, volume);

            const float power = ModelPower(state, volume);
            const float step = std::nextafter(std::fabs(power), HUGE_VALF) - std::fabs(power);
            QVERIFY2(std::fabs(state.CoolingPower - power) <= step,
                     qPrintable(QStringLiteral("room %1: %2 against %3").arg(i).arg(state.CoolingPower).arg(power)));
            if (state.CoolingPower == power) {
                ++exact;
                if (volume > 0.0F) {
                    CompareDisplay(texts.Power, power);
                } else {
                    QVERIFY(texts.Power.empty());
                }
            }
        }
        QVERIFY2(exact > rooms * 99 / 100, qPrintable(QString::number(exact)));
    }
};

QTEST_GUILESS_MAIN(TestRecalculate)
#include "tst_recalculate.moc"
