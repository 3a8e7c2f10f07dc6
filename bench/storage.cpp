// How long Open and Save take on a database of about a million clue rows.
//   bench_storage [folder]   (the database is built there, in a temporary file)

#include "editing/GridDrawing.h"
#include "model/PuzzleState.h"
#include "seams/ImageSurface.h"
#include "seams/Ui.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "storage/OpenCrossword.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Picks one name in the dialog, as a person would, and says nothing else.
class PickingUi final : public Ui {
public:
    QString name;
    void message(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseDatabaseFile() override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    void showModal(QDialog& dialog) override
    {
        dialog.findChild<QComboBox*>(QStringLiteral("xwordname"))->setEditText(name);
        dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    }
    void setCaption(const QString&) override {}
    void enableCrosswordMenus() override {}
};

void fill(const QString& path, int crosswords)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    QSqlQuery query(db);
    const QStringList statements = {
        QStringLiteral("BEGIN"),
        QStringLiteral("INSERT INTO CrosswordID (Name, GridX, GridY) WITH RECURSIVE n(i) AS "
                       "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "SELECT 'Crossword ' || i, 30, 30 FROM n")
            .arg(crosswords),
        QStringLiteral("INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, CluePosY, "
                       "Answer) WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM k "
                       "WHERE j < 69) SELECT w.CrossID, j + 1, j % 2, 'A clue of some length', "
                       "j % 20, j % 20, 'ABCDEFGHIJ' FROM CrosswordID w, k ORDER BY w.CrossID"),
        QStringLiteral("COMMIT"),
    };
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
    }
    query.exec(QStringLiteral("SELECT count(*) FROM Clues"));
    query.next();
    std::printf("clue rows in the file: %lld\n", query.value(0).toLongLong());
    query.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/benchXXXXXX")
                               : QString());
    const QString path = dir.filePath(QStringLiteral("xword.mdb"));
    constexpr int crosswords = 14286;  // 70 clues each: 1,000,020 rows

    QElapsedTimer timer;
    timer.start();
    {
        CrosswordDatabase create(path);
        create.names();
    }
    fill(path, crosswords);
    std::printf("built %d crosswords, %d clue rows in %.1f s\n", crosswords, crosswords * 70,
                timer.elapsed() / 1000.0);

    CrosswordDatabase db(path);
    PickingUi ui;
    CrosswordName dialog(db, ui);
    ImageSurface surface(QSize(1000, 700));
    PuzzleState state;

    std::vector<double> loads;
    std::vector<double> opens;
    for (int i = 0; i < 50; ++i) {
        const QString name = QStringLiteral("Crossword %1").arg(1 + (i * 4099) % crosswords);
        timer.restart();
        const auto found = db.findCrossword(name);
        const auto rows = db.clueRows(*found.value());
        PuzzleState loaded;
        loadCrossword(loaded, *found.value(), rows.value());
        loads.push_back(timer.nsecsElapsed() / 1e6);

        ui.name = name;
        timer.restart();
        if (openCrossword(state, surface.size(), ui, db, dialog))
            GridDrawing::drawGrid(surface, state);
        opens.push_back(timer.nsecsElapsed() / 1e6);
        if (state.clueCount != 70)
            std::fprintf(stderr, "opened %d clues\n", state.clueCount);
    }
    std::printf("load one crossword's 70 clues: median %.2f ms\n", median(loads));
    std::printf("Open Crossword with the name list of %d names and the redraw: median %.1f ms\n",
                crosswords, median(opens));

    std::vector<ClueEntry> clues;
    for (int k = 0; k < 70; ++k) {
        clues.push_back(ClueEntry{QStringLiteral("Clue %1").arg(k), QStringLiteral("ABCDE"), 0,
                                  qint16(k % 30), qint16(k + 1), true});
    }
    std::vector<double> saves;
    for (int i = 0; i < 20; ++i) {
        timer.restart();
        const auto stored =
            db.storeClues(QStringLiteral("Saved %1").arg(i), QSize(30, 30), clues);
        saves.push_back(timer.nsecsElapsed() / 1e6);
        if (!stored.ok())
            std::fprintf(stderr, "%s\n", qPrintable(stored.error()));
    }
    std::printf("save a new crossword with 70 clues: median %.2f ms (of %zu)\n", median(saves),
                saves.size());
    return 0;
}
