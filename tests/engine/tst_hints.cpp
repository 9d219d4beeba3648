#include "core/calculator.h"
#include "core/hints.h"
#include "tests/support/test_locales.h"

#include <QtTest>

#include <cmath>

using acpower::Calculator;
using acpower::EntryField;
using acpower::NumberLocale;

namespace {

// Enters the five texts in order, then picks the side.
Calculator RoomOf(const QStringList& texts, const QString& side, const NumberLocale& locale)
{
    Calculator calculator(locale);
    calculator.SelectShadySide();
    for (int i = 0; i < texts.size(); ++i) {
        calculator.AcceptNumericEntry(acpower::AllEntryFields.at(static_cast<std::size_t>(i)),
                                      texts.at(i).toStdU16String());
    }
    calculator.ApplyWindowSide(side.toStdU16String());
    return calculator;
}

}  // namespace

class TestHints : public QObject {
    Q_OBJECT

private slots:
    void noticeWhenABoxIsEmptied_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notice");

        const QString notNumber = QString::fromUtf8(" — не число; поле очищено");
        const QString tooLarge = QString::fromUtf8(" — слишком большое число; поле очищено");
        QTest::newRow("a number") << "2,8" << "";
        QTest::newRow("the empty box") << "" << "";
        QTest::newRow("letter after digits") << "2,8x" << QString::fromUtf8("«2,8x»") + notNumber;
        QTest::newRow("lone minus") << "-" << QString::fromUtf8("«-»") + notNumber;
        QTest::newRow("sixteen characters quoted whole")
            << "1234567890abcdef" << QString::fromUtf8("«1234567890abcdef»") + notNumber;
        QTest::newRow("longer ones cut short")
            << "1234567890abcdefg" << QString::fromUtf8("«1234567890abcde…»") + notNumber;
        QTest::newRow("a pasted page makes one short line")
            << QString(100000, 'x') + "\n" << QString::fromUtf8("«xxxxxxxxxxxxxxx…»") + notNumber;
        QTest::newRow("line breaks and tabs quoted as spaces")
            << "1\n2\tx" << QString::fromUtf8("«1 2 x»") + notNumber;
        QTest::newRow("a character of two units is not split")
            << QString(14, 'a') + QString::fromUtf8("😀b") << QString::fromUtf8("«aaaaaaaaaaaaaa…»") + notNumber;
        QTest::newRow("beyond single precision")
            << QString(40, '9') << QString::fromUtf8("«999999999999999…»") + tooLarge;
        // clang-format on
    }

    void noticeWhenABoxIsEmptied()
    {
        QFETCH(QString, text);
        QFETCH(QString, notice);

        Calculator calculator(acpower::test::CommaLocale());
        const auto outcome = calculator.AcceptNumericEntry(EntryField::Area, text.toStdU16String());
        QCOMPARE(outcome.ClearBox, !notice.isEmpty());
        QCOMPARE(QString::fromStdU16String(outcome.Notice), notice);
    }

    void smallestCoveringClass_data()
    {
        // clang-format off
        QTest::addColumn<float>("kilowatts");
        QTest::addColumn<QString>("name");

        QTest::newRow("small room") << 0.5F << "07";
        QTest::newRow("07 exactly") << 2.05F << "07";
        QTest::newRow("just above 07") << std::nextafter(2.05F, 3.0F) << "09";
        QTest::newRow("the office") << 3.3F << "12";
        QTest::newRow("just above 12") << 3.53F << "18";
        QTest::newRow("24") << 7.0F << "24";
        QTest::newRow("30") << 8.79F << "30";
        QTest::newRow("36 exactly") << 10.55F << "36";
        QTest::newRow("just above 36") << std::nextafter(10.55F, 11.0F) << "";
        QTest::newRow("a hall") << 18.5F << "";
        // clang-format on
    }

    void smallestCoveringClass()
    {
        QFETCH(float, kilowatts);
        QFETCH(QString, name);

        const acpower::SplitSystemClass* found = acpower::SmallestCoveringClass(kilowatts);
        QCOMPARE(found == nullptr ? QString() : QString::fromStdU16String(std::u16string(found->Name)), name);
    }

    void resultBoxHints_data()
    {
        // clang-format off
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("power");

        const QString shady = QString::fromUtf8("теневую");
        const QString sunny = QString::fromUtf8("солнечную");
        const auto lines = [](const char* text) { return QString::fromUtf8(text).split('\n'); };

        QTest::newRow("the office") << true << QStringList{"25", "2,8", "3", "2", "1000"} << shady
            << QString::fromUtf8("Объем помещения: 70 куб. м\n25 кв. м × 2,8 м")
            << lines("Мощность кондиционера: 3,3 кВт\n"
                     "Из чего она складывается:\n"
                     "объем 70 куб. м × 30 Вт/куб. м = 2\u00A0100 Вт\n"
                     "люди 3 × 100 Вт = 300 Вт\n"
                     "компьютеры 2 × 300 Вт = 600 Вт\n"
                     "эл. приборы 1\u00A0000 Вт × 0,3 = 300 Вт\n"
                     "итого 3\u00A0300 Вт\n"
                     "Это 11\u00A0260 BTU/ч (1 кВт = 3\u00A0412,14 BTU/ч)\n"
                     "Подойдет сплит-система класса 12 (3,52 кВт).");
        QTest::newRow("fractions in a point locale") << false << QStringList{"10.5", "2.5", "2.5", "", "1234"} << sunny
            << QString::fromUtf8("Объем помещения: 26.2 куб. м\n10.5 кв. м × 2.5 м")
            << lines("Мощность кондиционера: 1.7 кВт\n"
                     "Из чего она складывается:\n"
                     "объем 26.25 куб. м × 40 Вт/куб. м = 1,050 Вт\n"
                     "люди 2.5 × 100 Вт = 250 Вт\n"
                     "компьютеры 0 × 300 Вт = 0 Вт\n"
                     "эл. приборы 1,234 Вт × 0.3 = 370.2 Вт\n"
                     "итого 1,670.2 Вт\n"
                     "Это 5,699 BTU/ч (1 кВт = 3,412.14 BTU/ч)\n"
                     "Подойдет сплит-система класса 07 (2.05 кВт).");
        QTest::newRow("a hall beyond class 36") << true << QStringList{"100", "3", "20", "10", "5000"} << sunny
            << QString::fromUtf8("Объем помещения: 300 куб. м\n100 кв. м × 3 м")
            << lines("Мощность кондиционера: 18,5 кВт\n"
                     "Из чего она складывается:\n"
                     "объем 300 куб. м × 40 Вт/куб. м = 12\u00A0000 Вт\n"
                     "люди 20 × 100 Вт = 2\u00A0000 Вт\n"
                     "компьютеры 10 × 300 Вт = 3\u00A0000 Вт\n"
                     "эл. приборы 5\u00A0000 Вт × 0,3 = 1\u00A0500 Вт\n"
                     "итого 18\u00A0500 Вт\n"
                     "Это 63\u00A0125 BTU/ч (1 кВт = 3\u00A0412,14 BTU/ч)\n"
                     "Это больше, чем дает бытовая сплит-система самого мощного класса 36 (10,55 кВт): "
                     "нужно несколько кондиционеров или система большей мощности.");
        QTest::newRow("heat taken away") << true << QStringList{"10", "2,5", "", "", "-10000"} << shady
            << QString::fromUtf8("Объем помещения: 25 куб. м\n10 кв. м × 2,5 м")
            << lines("Мощность кондиционера: -2,2 кВт\n"
                     "Из чего она складывается:\n"
                     "объем 25 куб. м × 30 Вт/куб. м = 750 Вт\n"
                     "люди 0 × 100 Вт = 0 Вт\n"
                     "компьютеры 0 × 300 Вт = 0 Вт\n"
                     "эл. приборы -10\u00A0000 Вт × 0,3 = -3\u00A0000 Вт\n"
                     "итого -2\u00A0250 Вт\n"
                     "Это -7\u00A0677 BTU/ч (1 кВт = 3\u00A0412,14 BTU/ч)\n"
                     "Тепла в помещение не поступает: кондиционер не нужен.");
        QTest::newRow("no volume, no power hint") << true << QStringList{"", "2,8", "3", "2", "1000"} << shady
            << QString::fromUtf8("Объем помещения: 0 куб. м\n0 кв. м × 2,8 м") << QStringList{};
        QTest::newRow("an overflowed volume shows nothing") << true
            << QStringList{"100000000000000000000", "100000000000000000000", "", "", ""} << shady
            << QString() << QStringList{};
        // clang-format on
    }

    void resultBoxHints()
    {
        QFETCH(bool, comma);
        QFETCH(QStringList, texts);
        QFETCH(QString, side);
        QFETCH(QString, volume);
        QFETCH(QStringList, power);

        const Calculator calculator
            = RoomOf(texts, side, comma ? acpower::test::CommaLocale() : acpower::test::PointLocale());
        QCOMPARE(QString::fromStdU16String(calculator.VolumeHint()), volume);
        const QString powerHint = QString::fromStdU16String(calculator.PowerHint());
        QCOMPARE(powerHint.isEmpty() ? QStringList{} : powerHint.split('\n'), power);
    }
};

QTEST_GUILESS_MAIN(TestHints)
#include "tst_hints.moc"
