#include "PdfReading.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

}  // namespace

namespace PdfReading {

bool toolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QString text(const QString& pdf)
{
    return QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

QStringList words(const QString& pdf)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text(pdf).split(blanks, Qt::SkipEmptyParts);
}

int pageCount(const QString& pdf)
{
    return int(text(pdf).count(u'\f'));
}

QImage page(const QString& pdf, int page, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
         QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

QStringList cellPattern(const QImage& page, QPoint gridCorner, int columns, int rows)
{
    QStringList pattern;
    for (int r = 0; r < rows; ++r) {
        QString line;
        for (int c = 0; c < columns; ++c) {
            const QColor colour = page.pixelColor(gridCorner + QPoint(56 * c + 8, 42 * r + 35));
            line += colour == QColor(Qt::black) ? u'#' : colour == QColor(Qt::white) ? u'.' : u'?';
        }
        pattern << line;
    }
    return pattern;
}

}  // namespace PdfReading
