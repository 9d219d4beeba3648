#include "qt/internal/qt_number_locale.h"

#include <QLocale>
#include <QString>

namespace acpower {

NumberLocale NumberLocaleOf(const QLocale& locale)
{
    // Qt 5 gives these as QChar and Qt 6 as QString; QString takes either.
    return NumberLocale{
        QString(locale.decimalPoint()).toStdU16String(),
        QString(locale.negativeSign()).toStdU16String(),
    };
}

}  // namespace acpower
