// Pictures compiled into the program: icons, the arrow cursor and the built-in fallback skin.
#include "res/Resources.h"

#include <QPixmap>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitPictures()
{
    Q_INIT_RESOURCE(dovetock_pictures);
}

void InitResources()
{
    InitPictures();
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QString(":/icons/program%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon DayIcon(int day)
{
    if (day < 1 || day > 31)
        return QIcon();
    return QIcon(QString(":/icons/day%1.png").arg(day, 2, 10, QChar('0')));
}

QCursor ArrowCursor()
{
    return QCursor(QPixmap(":/cursors/arrow.png"), 0, 0);
}

QString FallbackBackgroundPath()
{
    return ":/skins/fallback.BK";
}

QString FallbackDigitsPath()
{
    return ":/skins/fallback.NUM";
}

QString FallbackPopupPath()
{
    return ":/skins/fallback.MSG";
}
