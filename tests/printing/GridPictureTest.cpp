#include "TestCrosswords.h"
#include "printing/GridPicture.h"
#include "support/Ink.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

class GridPictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesThePictureAsked_data()
    {
        QTest::addColumn<int>("filter");  // blank SVG, solution SVG, blank PNG, solution PNG
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("written");  // "" when nothing may be
        const auto row = [](const char* name, int filter, const char* typed, const char* width,
                            const char* written) {
            QTest::newRow(name) << filter << QString(typed) << QString(width) << QString(written);
        };
        row("blank SVG, its ending added", 0, "grid", "600", "grid.svg");
        row("solution PNG", 3, "grid.png", "450", "grid.png");
        row("the ending typed wins", 1, "grid.png", " 300 ", "grid.png");
        row("the smallest width", 2, "grid.png", "100", "grid.png");
        row("a width that is no number", 2, "grid.png", "wide", "");
        row("a width too small to draw", 2, "grid.png", "99", "");
    }
    void writesThePictureAsked()
    {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, width);
        QFETCH(QString, written);
        QTemporaryDir dir;
        ScriptedUi ui;
        ui.saveFileReply = {dir.filePath(typed), gridPictureFilters().at(filter)};
        ui.promptReplies = {width};
        exportGridPicture(TestCrosswords::sample(), ui);
        QCOMPARE(ui.messages().size(), written.isEmpty() ? 1 : 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 written.isEmpty() ? QStringList() : QStringList{written});
        if (written.isEmpty())
            return;

        const QString path = dir.filePath(written);
        QImage picture(path);
        if (written.endsWith(".svg")) {
            QSvgRenderer svg(path);
            QVERIFY(svg.isValid());
            // Its size is in millimetres, which a browser shows at 96 pixels to the inch.
            picture = QImage(svg.viewBox().size(), QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            svg.render(&painter);
        }
        QCOMPARE(picture.width(), width.trimmed().toInt());
        // The grid is all that is dark; its cells square, blocks black, letters as asked.
        const QRect grid = darkBounds(picture);
        // Drawn whole, with as much room on its right as on its left.
        QVERIFY2(qAbs(grid.left() - (picture.width() - 1 - grid.right())) <= 2,
                 qPrintable(QStringLiteral("%1 and %2 wide")
                                .arg(grid.left())
                                .arg(picture.width() - 1 - grid.right())));
        const QSizeF cell(grid.width() / 5.0, grid.height() / 3.0);
        QVERIFY(qAbs(cell.width() - cell.height()) < 1);
        // Each cell low in its left half (a block is black there), and across the middle
        // a little below it (where a letter stands).
        QString pattern;
        QString lettered;
        for (int i = 0; i < 15; ++i) {
            const auto dark = [&](qreal x, qreal y) {
                const QPointF at((i % 5 + x) * cell.width(), (i / 5 + y) * cell.height());
                return qGray(picture.pixel((grid.topLeft() + at).toPoint())) < 128;
            };
            bool ink = false;
            for (qreal x = 0.3; x < 0.7; x += 0.02)
                ink = ink || dark(x, 0.6);
            pattern += dark(0.2, 0.9) ? u'#' : u'.';
            lettered += ink && !dark(0.2, 0.9) ? u'L' : u'-';
        }
        QCOMPARE(pattern, QStringLiteral("...##.#....#.##"));
        // The solution's filters are the second and the fourth.
        QCOMPARE(lettered, filter % 2 == 1 ? "LLL--L-LLLL-L--" : "---------------");
    }
};

QUILLGRID_TEST(GridPictureTest);
#include "GridPictureTest.moc"
