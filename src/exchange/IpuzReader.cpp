#include "IpuzReader.h"

#include "ImportChecks.h"
#include "model/ClueCells.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A cell's value as text: a label, a letter, a block or empty marker. An object stands
// for the value of its `cell` or `value` field; null for an omitted cell.
std::optional<QString> cellText(QJsonValue value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        value = object.contains(QStringLiteral("cell")) ? object.value(QStringLiteral("cell"))
                                                        : object.value(QStringLiteral("value"));
    }
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble());
    return std::nullopt;
}

// A whole number as JSON may give it, as a number or as text; nothing otherwise.
std::optional<int> wholeNumber(const QJsonValue& value)
{
    const double number = value.isString() ? value.toString().toDouble() : value.toDouble(NAN);
    if (!std::isfinite(number) || number != std::floor(number) || std::abs(number) > 1e6)
        return std::nullopt;
    return int(number);
}

// The grid's rows, as many as its height, each as many cells as its width; nothing where
// the file's grid has another shape.
std::optional<QList<QJsonArray>> gridRows(const QJsonValue& grid, int columns, int rows)
{
    const QJsonArray all = grid.toArray();
    if (!grid.isArray() || all.size() != rows)
        return std::nullopt;
    QList<QJsonArray> list;
    for (const QJsonValue row : all) {
        if (!row.isArray() || row.toArray().size() != columns)
            return std::nullopt;
        list.append(row.toArray());
    }
    return list;
}

struct Grid {
    int columns = 0;
    int rows = 0;
    QList<QString> letters;           // by row; a blank for a block or an unreadable cell
    QList<QString> unreadable;        // what a white cell's solution holds where not a letter
    QList<QList<bool>> white;         // by row
    QHash<QString, QPoint> labelled;  // the first cell of each label

    bool isWhite(QPoint cell) const
    {
        return cell.x() >= 0 && cell.y() >= 0 && cell.x() < columns && cell.y() < rows &&
               white[cell.y()][cell.x()];
    }
};

// Where a clue stands and what it reads, or why it cannot be placed.
QString readAnswer(const Grid& grid, ImportedClue& clue, const QJsonValue& cells)
{
    QList<QPoint> run;
    if (cells.isArray()) {
        for (const QJsonValue cell : cells.toArray()) {
            const auto x = wholeNumber(cell[0]);
            const auto y = wholeNumber(cell[1]);
            if (!x || !y)
                return QStringLiteral("Clue %1 names a cell that is not a pair of numbers.")
                    .arg(importedClueName(clue));
            run.append(QPoint(*x - 1, *y - 1));  // ipuz counts from 1
        }
        if (run.isEmpty())
            return QStringLiteral("Clue %1 names no cells.").arg(importedClueName(clue));
        clue.start = run.first();
    } else {
        const auto found = grid.labelled.constFind(QString::number(clue.number));
        if (found == grid.labelled.constEnd()) {
            return QStringLiteral("Clue %1 has no cell numbered %2 in the grid.")
                .arg(importedClueName(clue))
                .arg(clue.number);
        }
        clue.start = *found;
        for (QPoint cell = clue.start; grid.isWhite(cell);
             cell = letterCell(clue.start, clue.across, int(run.size())))
            run.append(cell);
    }
    for (int k = 0; k < run.size(); ++k) {
        const QPoint cell = run[k];
        if (cell != letterCell(clue.start, clue.across, k) || !grid.isWhite(cell)) {
            return QStringLiteral(
                       "Clue %1 does not run %2 along white cells of the grid, "
                       "so the grid does not read its answer.")
                .arg(importedClueName(clue),
                     clue.across ? QStringLiteral("across") : QStringLiteral("down"));
        }
        const QChar letter = grid.letters[cell.y()][cell.x()];
        if (letter == u' ') {
            return QStringLiteral("The solution in %1 is \"%2\", which is not a letter A-Z.")
                .arg(cellName(cell), grid.unreadable[cell.y() * grid.columns + cell.x()]);
        }
        clue.answer += letter;
    }
    return {};
}

// The start of every run of two or more white cells each way, in reading order: where a
// clue given as plain text, without a number, stands.
QList<QPoint> runStarts(const Grid& grid, bool across)
{
    QList<QPoint> starts;
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const QPoint cell(column, row);
            if (grid.isWhite(cell) && !grid.isWhite(letterCell(cell, across, -1)) &&
                grid.isWhite(letterCell(cell, across, 1)))
                starts.append(cell);
        }
    }
    return starts;
}

}  // namespace

ImportedFile ipuzCrossword(const QByteArray& bytes)
{
    ImportedFile read;
    ImportedCrossword& crossword = read.crossword;
    const auto refuse = [&read](const QString& why) {
        read.refusal = why;
        return read;
    };

    QByteArray json = bytes.trimmed();
    // Files meant to be loaded by a web page come wrapped as a call.
    if (json.startsWith("ipuz(") && json.endsWith(')'))
        json = json.mid(5, json.size() - 6);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return refuse(QStringLiteral("The file is not JSON, as an .ipuz file is: %1 at byte %2.")
                          .arg(error.errorString())
                          .arg(error.offset));
    }
    const QJsonObject root = document.object();
    const QString version = root.value(QStringLiteral("version")).toString();
    bool crosswordKind = false;
    for (const QJsonValue kind : root.value(QStringLiteral("kind")).toArray())
        crosswordKind |= kind.toString().startsWith(QStringLiteral("http://ipuz.org/crossword"));
    if (version != QStringLiteral("http://ipuz.org/v1") &&
        version != QStringLiteral("http://ipuz.org/v2")) {
        return refuse(QStringLiteral("The file is not an .ipuz file of version 1 or 2."));
    }
    if (!crosswordKind)
        return refuse(QStringLiteral("The .ipuz file holds a puzzle other than a crossword."));

    const QJsonValue dimensions = root.value(QStringLiteral("dimensions"));
    const auto width = wholeNumber(dimensions[QStringLiteral("width")]);
    const auto height = wholeNumber(dimensions[QStringLiteral("height")]);
    if (!width || !height)
        return refuse(QStringLiteral("The file does not give its grid's width and height."));
    if (QString why = gridSizeRefusal(*width, *height); !why.isEmpty())
        return refuse(why);
    crossword.columns = *width;
    crossword.rows = *height;

    const QJsonValue solutionValue = root.value(QStringLiteral("solution"));
    if (solutionValue.isUndefined() || solutionValue.isNull()) {
        return refuse(
            QStringLiteral("The file has no solution; a crossword is brought in "
                           "with its answers, and this one has none."));
    }
    const auto puzzle = gridRows(root.value(QStringLiteral("puzzle")), *width, *height);
    const auto solution = gridRows(solutionValue, *width, *height);
    if (!puzzle || !solution) {
        return refuse(QStringLiteral("The file's puzzle or solution is not %1 rows of %2 cells, "
                                     "as its dimensions say.")
                          .arg(*height)
                          .arg(*width));
    }

    const QString block = cellText(root.value(QStringLiteral("block"))).value_or("#");
    const QString empty = cellText(root.value(QStringLiteral("empty"))).value_or("0");
    Grid grid{*width, *height, QList<QString>(*height, QString(*width, u' ')), {}, {}, {}};
    grid.unreadable.resize(qsizetype(*width) * *height);
    bool styled = false;
    for (int row = 0; row < *height; ++row) {
        grid.white.append(QList<bool>(*width, false));
        for (int column = 0; column < *width; ++column) {
            const QJsonValue cell = (*puzzle)[row][column];
            styled |= cell.isObject() && cell.toObject().contains(QStringLiteral("style"));
            const std::optional<QString> label = cellText(cell);
            if (!label || *label == block)
                continue;
            grid.white[row][column] = true;
            if (*label != empty && *label != QStringLiteral("0") && !label->isEmpty())
                grid.labelled.insert(*label, grid.labelled.value(*label, QPoint(column, row)));
            const std::optional<QString> held = cellText((*solution)[row][column]);
            const std::optional<QChar> letter = held ? solutionLetter(*held) : std::nullopt;
            if (letter)
                grid.letters[row][column] = *letter;
            else
                grid.unreadable[row * *width + column] = held.value_or(QString());
        }
    }
    if (styled)
        crossword.leftOut << QStringLiteral("the cells' styles (circles, shading)");

    const QJsonObject clues = root.value(QStringLiteral("clues")).toObject();
    qint64 count = 0;
    for (auto list = clues.begin(); list != clues.end(); ++list)
        count += list.value().toArray().size();
    if (QString why = clueCountRefusal(count); !why.isEmpty())
        return refuse(why);
    for (auto list = clues.begin(); list != clues.end(); ++list) {
        // A direction may carry its own heading after a colon: "Across:Horizontal".
        const QString direction = list.key().section(u':', 0, 0).toLower();
        if (direction != QStringLiteral("across") && direction != QStringLiteral("down")) {
            crossword.leftOut << QStringLiteral("the %1 clues").arg(list.key());
            continue;
        }
        const bool across = direction == QStringLiteral("across");
        const QList<QPoint> plainStarts = runStarts(grid, across);
        const QJsonArray given = list.value().toArray();
        for (qsizetype i = 0; i < given.size(); ++i) {
            const QJsonValue entry = given[i];
            ImportedClue clue;
            clue.across = across;
            QJsonValue number;
            QJsonValue cells;
            if (entry.isArray()) {
                number = entry[0];
                clue.text = entry[1].toString();
            } else if (entry.isObject()) {
                number = entry[QStringLiteral("number")];
                clue.text = entry[QStringLiteral("clue")].toString();
                cells = entry[QStringLiteral("cells")];
            } else if (entry.isString()) {
                clue.text = entry.toString();
                // Numbered by the cell of the run it stands for, in reading order.
                if (i >= plainStarts.size()) {
                    return refuse(QStringLiteral("The file has more %1 clues than its grid has "
                                                 "%1 entries.")
                                      .arg(direction));
                }
                const QPoint start = plainStarts[i];
                number = QJsonValue(grid.labelled.key(start));
                cells = QJsonArray{QJsonArray{start.x() + 1, start.y() + 1}};
                for (int k = 1; grid.isWhite(letterCell(start, across, k)); ++k) {
                    const QPoint next = letterCell(start, across, k);
                    cells = QJsonArray(cells.toArray() << QJsonArray{next.x() + 1, next.y() + 1});
                }
            }
            const auto numbered = wholeNumber(number);
            if (!numbered || *numbered < 1) {
                return refuse(
                    QStringLiteral("The %1 clue \"%2\" has no number.").arg(direction, clue.text));
            }
            clue.number = *numbered;
            if (QString why = readAnswer(grid, clue, cells); !why.isEmpty())
                return refuse(why);
            crossword.clues.append(clue);
        }
    }
    crossword.title = root.value(QStringLiteral("title")).toString();
    if (QString why = finishImport(crossword, grid.letters); !why.isEmpty())
        return refuse(why);
    return read;
}
