#include "DatabaseLocation.h"

#include "seams/Ui.h"

#include <QDir>

QString locateDatabase(Ui& ui)
{
    const QString chosen = ui.chooseDatabaseFile();
    return QDir::current().absoluteFilePath(chosen.isEmpty() ? QStringLiteral("xword.mdb")
                                                             : chosen);
}
