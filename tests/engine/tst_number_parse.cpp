#include "runtime/number_parse.h"

#include <QtTest>

using acpower::NumberLocale;
using acpower::ParseStatus;

Q_DECLARE_METATYPE(acpower::ParseStatus)

class TestNumberParse : public QObject {
    Q_OBJECT

private slots:
    void smoke()
    {
        const auto parsed = acpower::ParseNumber(u"2,8", acpower::CommaLocale());
        QCOMPARE(parsed.status, ParseStatus::Ok);
        QCOMPARE(parsed.value, 2.8F);
    }
};

QTEST_GUILESS_MAIN(TestNumberParse)
#include "tst_number_parse.moc"
