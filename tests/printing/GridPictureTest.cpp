#include "TestCrosswords.h"
#include "printing/GridPicture.h"
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
        QTest::newRow("blank SVG, its ending added") << 0 << "grid"
                                                     << "600"
                                                     << "grid.svg";
        QTest::newRow("solution PNG") << 3 << "grid.png"
                                      << "450"
                                      << "grid.png";
        QTest::newRow("the ending typed wins") << 1 << "grid.png"
                                               << " 300 "
                                               << "grid.png";
        QTest::newRow("a width that is no number") << 2 << "grid.png"
                                                   << "wide"
                                                   << "";
        QTest::newRow("a width too small to draw") << 2 << "grid.png"
                                                   << "99"
                                                   << "";
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
        if (qEnvironmentVariableIsSet("QUILLGRID_SHOTS"))
            picture.save(qEnvironmentVariable("QUILLGRID_SHOTS") + '/' + QTest::currentDataTag() +
                         ".png");
        // The grid is all that is dark; its cells square, blocks black, letters as asked.
        QRect grid;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qGray(picture.pixel(x, y)) < 128)
                    grid |= QRect(x, y, 1, 1);
            }
        }
        const QSizeF cell(grid.width() / 5.0, grid.height() / 3.0);
        QVERIFY2(qAbs(cell.width() - cell.height()) < 1,
                 qPrintable(QString::number(cell.width())));
        QString pattern;
        QString lettered;
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 5; ++c) {
                const QPointF corner =
                    grid.topLeft() + QPointF(c * cell.width(), r * cell.height());
                const auto dark = [&](qreal x, qreal y) {
                    return qGray(picture.pixel(
                               (corner + QPointF(x * cell.width(), y * cell.height()))
                                   .toPoint())) < 128;
                };
                pattern += dark(0.2, 0.9) ? u'#' : u'.';
                bool ink = false;
                for (qreal x = 0.3; x < 0.7; x += 0.02)
                    ink = ink || dark(x, 0.6);
                lettered += ink && !dark(0.2, 0.9) ? u'L' : u'-';
            }
        }
        QCOMPARE(pattern, QStringLiteral("...##.#....#.##"));
        // The solution's filters are the second and the fourth.
        QCOMPARE(lettered, filter % 2 == 1 ? "LLL--L-LLLL-L--" : "---------------");
    }
};

QUILLGRID_TEST(GridPictureTest);
#include "GridPictureTest.moc"
