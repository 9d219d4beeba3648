#include "resources/program_art.h"

#include <QPixmap>
#include <QString>

// The images live in a static library, whose resource initialiser the linker
// would drop unless something calls it; Q_INIT_RESOURCE cannot be used inside
// a namespace.
static void InitArtResources()
{
    Q_INIT_RESOURCE(acpower);
}

namespace acpower {

QIcon ProgramIcon()
{
    InitArtResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/art/acpower-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/art/acpower-16.png"), QSize(16, 16));
    return icon;
}

QCursor LinkCursor()
{
    InitArtResources();
    return QCursor(QPixmap(QStringLiteral(":/art/link-cursor.png")), LinkCursorHotSpot.x(), LinkCursorHotSpot.y());
}

}  // namespace acpower
