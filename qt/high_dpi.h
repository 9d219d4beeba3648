#pragma once

#include <QCoreApplication>
#include <QtGlobal>

namespace acpower {

// Qt 6 scales by the screen's DPI on its own; Qt 5 must be asked to, before
// the application object exists.
inline void EnableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

}  // namespace acpower
