#include "GridPicture.h"

#include "PublicationGrid.h"
#include "QtPrintDevice.h"
#include "common/WholeFile.h"
#include "model/ProgramInfo.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

constexpr int screenDotsPerInch = 96;
constexpr int smallestWidth = 100;
constexpr int largestWidth = 10000;
constexpr int proposedWidth = 600;
// Room around the grid, as a share of a cell, so the outer line is drawn whole.
constexpr qreal borderShare = 0.25;

QString tr(const char* text)
{
    return QCoreApplication::translate("GridPicture", text);
}

// Draws the grid onto `canvas`, `cellPixels` to a cell, `borderPixels` in from its corner.
bool drawOn(QPaintDevice& canvas, const PuzzleState& state, qreal cellPixels, qreal borderPixels,
            bool solution)
{
    QtPrintDevice device(canvas);
    const qreal mmPerPixel = 25.4 / canvas.logicalDpiX();
    PublicationGrid::draw(device, state, QPointF(borderPixels, borderPixels) * mmPerPixel,
                          cellPixels * mmPerPixel, solution);
    return device.endDocument();
}

// The picture's bytes, or nothing when it could not be drawn.
QByteArray picture(const PuzzleState& state, int width, bool svg, bool solution)
{
    const int columns = std::max(1, int(state.xGridSize));
    const int rows = std::max(1, int(state.yGridSize));
    const qreal cell = width / (columns + 2 * borderShare);
    const qreal border = cell * borderShare;
    const QSize size(width, int(std::ceil(rows * cell + 2 * border)));

    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&bytes);
        generator.setResolution(screenDotsPerInch);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(), size));
        generator.setTitle(state.crosswordTitle);
        generator.setDescription(ProgramInfo::name);
        if (!drawOn(generator, state, cell, border, solution))
            return {};
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        const int dotsPerMetre = int(std::lround(screenDotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        if (!drawOn(image, state, cell, border, solution) || !image.save(&bytes, "PNG"))
            return {};
    }
    return bytes.data();
}

}  // namespace

const QStringList& gridPictureFilters()
{
    static const QStringList filters = {
        tr("Blank grid as SVG (*.svg)"), tr("Solution as SVG (*.svg)"),
        tr("Blank grid as PNG (*.png)"), tr("Solution as PNG (*.png)")};
    return filters;
}

void exportGridPicture(const PuzzleState& state, Ui& ui)
{
    const QString caption = tr("Export Grid Picture");
    const QString name =
        state.crosswordTitle.isEmpty() ? QStringLiteral("Crossword") : state.crosswordTitle;
    const SaveFileChoice choice =
        ui.chooseSaveFile(caption, name + QStringLiteral(".svg"), gridPictureFilters());
    if (choice.path.isEmpty())
        return;
    const int chosen = std::max(0, int(gridPictureFilters().indexOf(choice.filter)));
    QString path = choice.path;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
        suffix = chosen < 2 ? QStringLiteral("svg") : QStringLiteral("png");
        path += QLatin1Char('.') + suffix;
    }

    const QString answer = ui.prompt(
        tr("Width of the picture in pixels (%1 to %2):").arg(smallestWidth).arg(largestWidth),
        caption, QString::number(proposedWidth));
    if (answer.isEmpty())
        return;
    bool isNumber = false;
    const int width = answer.trimmed().toInt(&isNumber);
    if (!isNumber || width < smallestWidth || width > largestWidth) {
        ui.message(tr("\"%1\" is not a width the picture can have: give a whole number of "
                      "pixels from %2 to %3.")
                       .arg(answer)
                       .arg(smallestWidth)
                       .arg(largestWidth),
                   caption);
        return;
    }

    const QByteArray bytes =
        picture(state, width, suffix == QLatin1String("svg"), chosen % 2 == 1);
    if (bytes.isEmpty()) {
        ui.message(tr("The picture could not be drawn; nothing was written."), caption);
        return;
    }
    if (const QString reason = writeWholeFile(path, bytes); !reason.isEmpty())
        ui.message(tr("The picture could not be written to \"%1\": %2").arg(path, reason),
                   caption);
}
