#pragma once

#include "StorageTestKit.h"
#include "model/PuzzleState.h"
#include "seams/ImageSurface.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "storage/OpenCrossword.h"
#include "storage/SaveCrossword.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace StorageTestKit {

// The storage commands with everything real but the person: a database file in a fresh
// folder, the real name dialog, the real drawing surface.
struct Desk {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("xword.mdb"));
    CrosswordDatabase db{path};
    ScriptedUi ui;
    CrosswordName dialog{db, ui};
    ImageSurface surface{QSize(600, 400)};
    PuzzleState state;

    // The next showing of the name dialog: type `name` and press Ok.
    void willName(const QString& name)
    {
        ui.dialogActions << [name](QDialog& shown) {
            shown.findChild<QComboBox*>(QStringLiteral("xwordname"))->setEditText(name);
            shown.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        };
    }
    void willCancel()
    {
        ui.dialogActions << [](QDialog& shown) {
            shown.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
        };
    }
    void save() { saveCrossword(state, ui, db, dialog); }
    void open() { openCrossword(state, surface, ui, db, dialog); }
    void saveAs(const PuzzleState& crossword, const QString& name)
    {
        state = crossword;
        willName(name);
        save();
    }
    void openNamed(const QString& name)
    {
        willName(name);
        open();
    }
};

// The first field in which two crosswords differ, or "" when they are the same.
inline QString difference(const PuzzleState& a, const PuzzleState& b)
{
    if (a.clueCount != b.clueCount)
        return QStringLiteral("clueCount %1 / %2").arg(a.clueCount).arg(b.clueCount);
    for (int i = 0; i < a.clueCount; ++i) {
        if (!(a.clueTable[i] == b.clueTable[i]))
            return QStringLiteral("clue %1").arg(i);
    }
    const QList<std::pair<const char*, bool>> fields = {
        {"clueNumber", a.clueNumber == b.clueNumber},
        {"crosswordTitle", a.crosswordTitle == b.crosswordTitle},
        {"crosswordStored", a.crosswordStored == b.crosswordStored},
        {"xGridSize", a.xGridSize == b.xGridSize},
        {"yGridSize", a.yGridSize == b.yGridSize},
        {"cellWidth", a.cellWidth == b.cellWidth},
        {"cellHeight", a.cellHeight == b.cellHeight},
        {"gridLetters", a.gridLetters == b.gridLetters},
        {"savedClueCount", a.savedClueCount == b.savedClueCount},
    };
    for (const auto& [name, same] : fields) {
        if (!same)
            return QLatin1String(name);
    }
    return {};
}

}  // namespace StorageTestKit
