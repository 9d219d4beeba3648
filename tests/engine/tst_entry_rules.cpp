#include "core/calculator.h"
#include "tests/support/example_room.h"
#include "tests/support/test_locales.h"

#include <QtTest>

using acpower::Calculator;
using acpower::EntryField;

Q_DECLARE_METATYPE(acpower::EntryField)

namespace {

// Stands in for an entry box: keeps its text and, like a real box, runs the
// rule again when the rule's verdict empties it.
class Box {
public:
    Box(Calculator& calculator, EntryField field)
        : calculator_(calculator)
        , field_(field)
    {
    }

    void SetText(const QString& text)
    {
        if (text == text_) {
            return;
        }
        text_ = text;
        ++changes_;
        const auto outcome = calculator_.AcceptNumericEntry(field_, text.toStdU16String());
        if (outcome.ClearBox) {
            SetText(QString());
        }
        volume_ = QString::fromStdU16String(outcome.Results.Volume);
        power_ = QString::fromStdU16String(outcome.Results.Power);
    }

    const QString& Text() const
    {
        return text_;
    }
    int Changes() const
    {
        return changes_;
    }
    const QString& Volume() const
    {
        return volume_;
    }
    const QString& Power() const
    {
        return power_;
    }

private:
    Calculator& calculator_;
    EntryField field_;
    QString text_;
    QString volume_;
    QString power_;
    int changes_ = 0;
};

void Enter(Calculator& calculator, EntryField field, const QString& text)
{
    Box box(calculator, field);
    box.SetText(text);
}

}  // namespace

class TestEntryRules : public QObject {
    Q_OBJECT

private slots:
    // Each row types one box character by character into an office of
    // 25 m² × 2.8 m with 3 people, 2 computers and 1000 W, shady side, after
    // emptying the box that the row types into.
    void typingKeepsOrEmptiesTheBox_data()
    {
        // clang-format off
        QTest::addColumn<EntryField>("field");
        QTest::addColumn<QStringList>("keystrokes");
        QTest::addColumn<QStringList>("boxTexts");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("power");

        QTest::newRow("height 2,8 step by step") << EntryField::CeilingHeight << QStringList{"2", "2,", "2,8"}
                                                 << QStringList{"2", "2,", "2,8"} << 2.8F << "70" << "3,3";
        QTest::newRow("height with a point") << EntryField::CeilingHeight << QStringList{"2", "2.", "2.8"}
                                             << QStringList{"2", "2.", "2.8"} << 2.8F << "70" << "3,3";
        QTest::newRow("letter after digits empties area") << EntryField::Area << QStringList{"1", "12", "12a"}
                                                          << QStringList{"1", "12", ""} << 0.0F << "0" << "";
        QTest::newRow("minus first empties the box") << EntryField::Area << QStringList{"-"} << QStringList{""}
                                                     << 0.0F << "0" << "";
        QTest::newRow("deleting the last digit") << EntryField::Area << QStringList{"2", "25", "2", ""}
                                                 << QStringList{"2", "25", "2", ""} << 0.0F << "0" << "";
        QTest::newRow("fractional people") << EntryField::PeopleCount << QStringList{"2", "2,", "2,5"}
                                           << QStringList{"2", "2,", "2,5"} << 2.5F << "70" << "3,2";
        QTest::newRow("number beyond single is refused") << EntryField::AppliancePower
                                                         << QStringList{QString(40, '9')} << QStringList{""} << 0.0F
                                                         << "70" << "3";
        QTest::newRow("second separator empties") << EntryField::ComputerCount << QStringList{"1", "1,", "1,,"}
                                                  << QStringList{"1", "1,", ""} << 0.0F << "70" << "2,7";
        QTest::newRow("pasted value") << EntryField::Area << QStringList{"  30 "} << QStringList{"  30 "} << 30.0F
                                      << "84" << "3,7";
        // clang-format on
    }

    void typingKeepsOrEmptiesTheBox()
    {
        QFETCH(EntryField, field);
        QFETCH(QStringList, keystrokes);
        QFETCH(QStringList, boxTexts);
        QFETCH(float, stored);
        QFETCH(QString, volume);
        QFETCH(QString, power);

        Calculator calculator(acpower::test::CommaLocale());
        calculator.SelectShadySide();
        for (const EntryField each : acpower::AllEntryFields) {
            if (each != field) {
                const std::u16string_view office = acpower::test::ExampleRoomTexts[static_cast<std::size_t>(each)];
                Enter(calculator, each, QString::fromStdU16String(std::u16string(office)));
            }
        }
        Box box(calculator, field);
        for (int i = 0; i < keystrokes.size(); ++i) {
            box.SetText(keystrokes.at(i));
            QCOMPARE(box.Text(), boxTexts.at(i));
        }
        acpower::CalculatorState state = calculator.State();
        QCOMPARE(acpower::FieldOf(state, field), stored);
        QCOMPARE(box.Volume(), volume);
        QCOMPARE(box.Power(), power);
    }

    void emptyingRunsTheRuleOnceMore()
    {
        Calculator calculator(acpower::test::CommaLocale());
        Box box(calculator, EntryField::Area);
        box.SetText(QStringLiteral("12"));
        box.SetText(QStringLiteral("12a"));
        // "12", "12a", then "" from the rule itself; "" does not empty again.
        QCOMPARE(box.Changes(), 3);
        QCOMPARE(box.Text(), QString());
    }

    void emptyTextNeedsNoClearing()
    {
        Calculator calculator(acpower::test::CommaLocale());
        const auto outcome = calculator.AcceptNumericEntry(EntryField::Area, u"");
        QVERIFY(!outcome.ClearBox);
        QCOMPARE(calculator.State().Area, 0.0F);
    }

    void windowSidePicksTheFactor_data()
    {
        // clang-format off
        QTest::addColumn<QList<int>>("picks");  // list positions; one outside the list is no pick
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("power");

        QTest::newRow("start-up is shady") << QList<int>{} << 30.0F << "";
        QTest::newRow("sunny") << QList<int>{0} << 40.0F << "4";
        QTest::newRow("sunny then shady") << QList<int>{0, 1} << 30.0F << "3,3";
        QTest::newRow("shady again") << QList<int>{1} << 30.0F << "3,3";
        QTest::newRow("no selection keeps sunny") << QList<int>{0, -1} << 40.0F << "4";
        QTest::newRow("past the list keeps sunny") << QList<int>{0, 2} << 40.0F << "4";
        // clang-format on
    }

    void windowSidePicksTheFactor()
    {
        QFETCH(QList<int>, picks);
        QFETCH(float, factor);
        QFETCH(QString, power);

        Calculator calculator(acpower::test::CommaLocale());
        QCOMPARE(calculator.SelectShadySide(), acpower::WindowSide::Shady);
        Enter(calculator, EntryField::Area, QStringLiteral("25"));
        Enter(calculator, EntryField::CeilingHeight, QStringLiteral("2,8"));
        Enter(calculator, EntryField::PeopleCount, QStringLiteral("3"));
        Enter(calculator, EntryField::ComputerCount, QStringLiteral("2"));
        Enter(calculator, EntryField::AppliancePower, QStringLiteral("1000"));
        QString shown;
        for (const int pick : picks) {
            if (const auto side = acpower::SideAt(pick)) {
                const auto texts = calculator.ApplyWindowSide(*side);
                QCOMPARE(QString::fromStdU16String(texts.Volume), QStringLiteral("70"));
                shown = QString::fromStdU16String(texts.Power);
            }
        }
        QCOMPARE(calculator.State().WindowFactor, factor);
        QCOMPARE(shown, power);
    }

    void selectorListsSunnyThenShady()
    {
        QCOMPARE(acpower::WindowSides.size(), std::size_t{2});
        QCOMPARE(acpower::WindowSides[0].Text, std::u16string_view(u"солнечную"));
        QCOMPARE(acpower::WindowSides[0].WattsPerCubicMetre, 40.0F);
        QCOMPARE(acpower::WindowSides[1].Text, std::u16string_view(u"теневую"));
        QCOMPARE(acpower::WindowSides[1].WattsPerCubicMetre, 30.0F);
    }
};

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entry_rules.moc"
