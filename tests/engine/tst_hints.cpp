#include "core/calculator.h"
#include "core/hints.h"
#include "tests/support/test_locales.h"

#include <QtTest>

#include <cmath>

using acpower::Calculator;
using acpower::EntryField;
using acpower::NumberLocale;

Q_DECLARE_METATYPE(acpower::WindowSide)

namespace {

// Enters the five texts in order, then picks the side.
Calculator RoomOf(const QStringList& texts, acpower::WindowSide side, const NumberLocale& locale)
{
    Calculator calculator(locale);
    calculator.SelectShadySide();
    for (int i = 0; i < texts.size(); ++i) {
        calculator.AcceptNumericEntry(acpower::AllEntryFields.at(static_cast<std::size_t>(i)),
                                      texts.at(i).toStdU16String());
    }
    calculator.ApplyWindowSide(side);
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
        QTest::newRow("a number") << "2,8" << "";
        QTest::newRow("letter after digits") << "2,8x" << QString::fromUtf8("«2,8x»") + notNumber;
        QTest::newRow("sixteen characters quoted whole")
            << "1234567890abcdef" << QString::fromUtf8("«1234567890abcdef»") + notNumber;
        QTest::newRow("a pasted page makes one short line")
            << "1\n2\t" + QString(100000, 'x') << QString::fromUtf8("«1 2 xxxxxxxxxxx…»") + notNumber;
        QTest::newRow("a character of two units is not split")
            << QString(14, 'a') + QString::fromUtf8("😀b") << QString::fromUtf8("«aaaaaaaaaaaaaa…»") + notNumber;
        QTest::newRow("direction marks cannot reorder the note")
            << QString::fromUtf8("1\u202E2\u20663") << QString::fromUtf8("«1 2 3»") + notNumber;
        QTest::newRow("beyond single precision") << QString(40, '9')
            << QString::fromUtf8("«999999999999999…» — слишком большое число; поле очищено");
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

        QTest::newRow("07 exactly") << 2.05F << "07";
        QTest::newRow("just above 07") << std::nextafter(2.05F, 3.0F) << "09";
        QTest::newRow("the office") << 3.3F << "12";
        QTest::newRow("36 exactly") << 10.55F << "36";
        QTest::newRow("just above 36") << std::nextafter(10.55F, 11.0F) << "";
        // clang-format on
    }

    void smallestCoveringClass()
    {
        QFETCH(float, kilowatts);
        QFETCH(QString, name);

        const acpower::SplitSystemClass* found = acpower::SmallestCoveringClass(kilowatts);
        QCOMPARE(found == nullptr ? QString() : QString::fromStdU16String(std::u16string(found->Name)), name);
    }

    // The hover texts' first and last lines; the office's in full.
    void resultBoxHints_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<acpower::WindowSide>("side");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("power");

        const auto shady = acpower::WindowSide::Shady;
        const auto sunny = acpower::WindowSide::Sunny;
        const auto lines = [](const char* text) { return QString::fromUtf8(text).split('\n'); };

        QTest::newRow("the office") << QStringList{"25", "2,8", "3", "2", "1000"} << shady
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
        QTest::newRow("a hall beyond class 36") << QStringList{"100", "3", "20", "10", "5000"} << sunny
            << QString::fromUtf8("Объем помещения: 300 куб. м\n100 кв. м × 3 м")
            << lines("Мощность кондиционера: 18,5 кВт\n"
                     "Это больше, чем дает бытовая сплит-система самого мощного класса 36 (10,55 кВт): "
                     "нужно несколько кондиционеров или система большей мощности.");
        QTest::newRow("heat taken away") << QStringList{"10", "2,5", "", "", "-10000"} << shady
            << QString::fromUtf8("Объем помещения: 25 куб. м\n10 кв. м × 2,5 м")
            << lines("Мощность кондиционера: -2,2 кВт\n"
                     "Тепла в помещение не поступает: кондиционер не нужен.");
        QTest::newRow("an overflowed volume shows nothing")
            << QStringList{"100000000000000000000", "100000000000000000000", "", "", ""} << shady
            << QString() << QStringList{};
        // clang-format on
    }

    void resultBoxHints()
    {
        QFETCH(QStringList, texts);
        QFETCH(acpower::WindowSide, side);
        QFETCH(QString, volume);
        QFETCH(QStringList, power);

        const Calculator calculator = RoomOf(texts, side, acpower::test::CommaLocale());
        QCOMPARE(QString::fromStdU16String(calculator.Hint(acpower::Result::Volume)), volume);
        const QString powerHint = QString::fromStdU16String(calculator.Hint(acpower::Result::Power));
        QCOMPARE(powerHint.isEmpty(), power.isEmpty());
        if (!power.isEmpty()) {
            const QStringList shown = powerHint.split('\n');
            QCOMPARE(shown.constFirst(), power.constFirst());
            QCOMPARE(shown.constLast(), power.constLast());
            for (const QString& line : power) {
                QVERIFY2(shown.contains(line), qPrintable(line));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestHints)
#include "tst_hints.moc"
