#include "QtPrintDevice.h"

#include "PdfBesideTarget.h"
#include "PrintFont.h"
#include "SystemPrinters.h"
#include "model/ProgramInfo.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr qreal millimetresPerInch = 25.4;
// 10 mm, in the whole points a PDF page is laid out in: no real printer prints reliably
// closer to the edge, whatever its driver reports.
constexpr qreal leastMarginPoints = 29;

// Every line break a typed text may hold: the listing's own CR LF, and lone LF or CR.
const QRegularExpression& lineBreak()
{
    static const QRegularExpression pattern(QStringLiteral("\r\n|\n|\r"));
    return pattern;
}

}  // namespace

QtPrintDevice::QtPrintDevice(Catalogue catalogue)
    : catalogue_(catalogue ? std::move(catalogue) : Catalogue(systemPrinters))
{
}

QtPrintDevice::QtPrintDevice(QPaintDevice& canvas)
    : catalogue_([] { return QList<InstalledPrinter>(); }),
      canvas_(&canvas),
      dotsPerInch_(canvas.logicalDpiX())
{
}

QtPrintDevice::~QtPrintDevice()
{
    // A job left open by an abandoned print-out is dropped, not sent half done.
    if (painter_ && painter_->isActive()) {
        if (printer_)
            printer_->abort();
        painter_->end();
    }
}

QString QtPrintDevice::currentPrinter() const
{
    if (currentPrinter_)
        return *currentPrinter_;
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    if (!systemDefault.isEmpty())
        return systemDefault;
    // A system with queues but no default one still prints on the first of them.
    const QList<InstalledPrinter> installed = catalogue_();
    return installed.isEmpty() ? QString() : installed.constFirst().name;
}

QList<InstalledPrinter> QtPrintDevice::printers()
{
    return catalogue_();
}

void QtPrintDevice::setCurrentPrinter(const QString& name)
{
    currentPrinter_ = name;
    if (job_ == Job::None) {
        dropPrinter();
        metrics_.reset();
    }
}

void QtPrintDevice::setPdfFile(const QString& path)
{
    pdfFile_ = path;
    if (job_ == Job::None) {
        dropPrinter();
        metrics_.reset();
    }
}

void QtPrintDevice::setResolution(int dotsPerInch)
{
    if (job_ != Job::None || dotsPerInch <= 0 || canvas_)
        return;
    dotsPerInch_ = dotsPerInch;
    metrics_.reset();
    if (printer_)
        printer_->setResolution(dotsPerInch);
}

void QtPrintDevice::setFontName(const QString& name)
{
    font_.setFamilies(printFamilies(name));
    metrics_.reset();
}

void QtPrintDevice::setFontSize(qreal points)
{
    font_.setPointSizeF(points);
    metrics_.reset();
}

void QtPrintDevice::setFontBold(bool bold)
{
    font_.setBold(bold);
    metrics_.reset();
}

void QtPrintDevice::setUnit(PrintUnit unit)
{
    unit_ = unit;
}

void QtPrintDevice::setScale(qreal factor, QPointF anchor)
{
    const QPointF at = toDots(anchor);
    scaling_ = QTransform::fromTranslate(at.x(), at.y()).scale(factor, factor);
    scaling_.translate(-at.x(), -at.y());
}

QSizeF QtPrintDevice::printableSize()
{
    if (canvas_)
        return paperSize();
    return printer().pageLayout().paintRect(QPageLayout::Millimeter).size() * unitsPerMm();
}

QSizeF QtPrintDevice::paperSize()
{
    if (canvas_)
        return QSizeF(canvas_->width(), canvas_->height()) / dotsPerMm() * unitsPerMm();
    return printer().pageLayout().fullRect(QPageLayout::Millimeter).size() * unitsPerMm();
}

QPointF QtPrintDevice::printableCorner()
{
    if (canvas_)
        return {};
    return printer().pageLayout().paintRect(QPageLayout::Millimeter).topLeft() * unitsPerMm();
}

qreal QtPrintDevice::textWidth(const QString& text)
{
    return fromDots(metrics().horizontalAdvance(text));
}

qreal QtPrintDevice::lineHeight()
{
    return fromDots(metrics().lineSpacing());
}

QPointF QtPrintDevice::currentPoint() const
{
    return pointMm_ * unitsPerMm();
}

void QtPrintDevice::setCurrentPoint(QPointF point)
{
    pointMm_ = point / unitsPerMm();
}

void QtPrintDevice::printText(const QString& text)
{
    if (!started())
        return;
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    // A line starts at the left whatever its text; a clue or title running right to left
    // is an isolated run of its own inside it.
    painter_->setLayoutDirection(Qt::LeftToRight);
    const QFontMetricsF& metrics = this->metrics();
    QPointF at = toDots(currentPoint());
    const QStringList lines = text.split(lineBreak());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            at.setX(0);
        if (!textTransparent_)
            painter_->fillRect(
                QRectF(at, QSizeF(metrics.horizontalAdvance(lines[i]), metrics.lineSpacing())),
                Qt::white);
        painter_->drawText(at + QPointF(0, metrics.ascent()), lines[i]);
        at.ry() += metrics.lineSpacing();
    }
    pointMm_ = QPointF(0, at.y() / dotsPerMm());
}

void QtPrintDevice::setFillStyle(FillStyle style)
{
    fillStyle_ = style;
}

void QtPrintDevice::setFillColour(const QColor& colour)
{
    fillColour_ = colour;
}

void QtPrintDevice::setTextTransparent(bool transparent)
{
    textTransparent_ = transparent;
}

void QtPrintDevice::drawBox(QPointF from, QPointF to)
{
    if (!started())
        return;
    // A zero-width pen is one printer dot wide whatever the resolution.
    painter_->setPen(QPen(Qt::black, 0));
    painter_->setBrush(fillStyle_ == FillStyle::Solid ? QBrush(fillColour_) : QBrush());
    painter_->drawRect(QRectF(toDots(from), toDots(to)).normalized());
}

void QtPrintDevice::fillBox(QPointF from, QPointF to, const QColor& colour)
{
    if (!started())
        return;
    painter_->setPen(QPen(colour, 0));
    painter_->setBrush(colour);
    painter_->drawRect(QRectF(toDots(from), toDots(to)).normalized());
}

void QtPrintDevice::newPage()
{
    if (!started())
        return;
    if (printer_ && !printer_->newPage())
        failure_ = QObject::tr("The printer could not start a new page.");
    pointMm_ = {};
}

bool QtPrintDevice::endDocument()
{
    bool sent = started();
    if (sent && !painter_->end()) {
        failure_ = QObject::tr("The print-out could not be finished on \"%1\".")
                       .arg(pdfFile_.isEmpty() ? currentPrinter() : pdfFile_);
    } else if (sent && failure_.isEmpty() && pdfPart_ && !pdfPart_->finish()) {
        failure_ = QObject::tr(
                       "The file \"%1\" could not be written: %2. Any earlier file of "
                       "that name is as it was.")
                       .arg(pdfFile_, pdfPart_->why());
    }
    sent = sent && failure_.isEmpty();
    resetJob();
    return sent;
}

QPrinter& QtPrintDevice::printer()
{
    if (printer_)
        return *printer_;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    metrics_.reset();
    if (pdfFile_.isEmpty()) {
        printer_->setPrinterName(currentPrinter());
    } else {
        pdfPart_ = std::make_unique<PdfBesideTarget>(pdfFile_);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPart_->partPath());
    }
    printer_->setResolution(dotsPerInch_);
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setFullPage(false);
    if (!pdfFile_.isEmpty()) {
        // A file has no paper of its own: it takes the paper of the place it is made in.
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        printer_->setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    }
    const QMarginsF driver = printer_->pageLayout().margins(QPageLayout::Point);
    printer_->setPageMargins(QMarginsF(std::max(driver.left(), leastMarginPoints),
                                       std::max(driver.top(), leastMarginPoints),
                                       std::max(driver.right(), leastMarginPoints),
                                       std::max(driver.bottom(), leastMarginPoints)),
                             QPageLayout::Point);
    printer_->setDocName(ProgramInfo::name);
    return *printer_;
}

const QFontMetricsF& QtPrintDevice::metrics()
{
    if (!metrics_)
        metrics_.emplace(font_, &target());
    return *metrics_;
}

QPaintDevice& QtPrintDevice::target()
{
    if (canvas_)
        return *canvas_;
    return printer();
}

bool QtPrintDevice::started()
{
    if (job_ == Job::Printing) {
        painter_->setTransform(scaling_);
        return true;
    }
    if (job_ == Job::Failed)
        return false;

    failure_.clear();
    QPaintDevice& drawnOn = target();
    painter_ = std::make_unique<QPainter>();
    // A queue removed since it was chosen would take the job and lose it without a word.
    const bool queueGone =
        !canvas_ && pdfFile_.isEmpty() && QPrinterInfo::printerInfo(currentPrinter()).isNull();
    // Without a file of its own the printer would fall back on the default queue.
    const bool noPdfFile = !canvas_ && !pdfFile_.isEmpty() && pdfPart_->partPath().isEmpty();
    if (queueGone || noPdfFile || !painter_->begin(&drawnOn)) {
        if (canvas_)
            failure_ = QObject::tr("The picture could not be drawn.");
        else if (!pdfFile_.isEmpty())
            failure_ = QObject::tr("The file \"%1\" could not be written: %2.")
                           .arg(pdfFile_, pdfPart_->why().isEmpty()
                                              ? QObject::tr("the PDF could not be started")
                                              : pdfPart_->why());
        else if (currentPrinter().isEmpty())
            failure_ = QObject::tr("No printer is installed.");
        else
            failure_ =
                QObject::tr("The printer \"%1\" could not be started.").arg(currentPrinter());
        job_ = Job::Failed;
        return false;
    }
    job_ = Job::Printing;
    painter_->setRenderHint(QPainter::Antialiasing, canvas_ != nullptr);
    painter_->setTransform(scaling_);
    return true;
}

qreal QtPrintDevice::dotsPerMm() const
{
    return dotsPerInch_ / millimetresPerInch;
}

qreal QtPrintDevice::unitsPerMm() const
{
    return unit_ == PrintUnit::Dots ? dotsPerMm() : 1.0;
}

QPointF QtPrintDevice::toDots(QPointF point) const
{
    return point / unitsPerMm() * dotsPerMm();
}

qreal QtPrintDevice::fromDots(qreal dots) const
{
    return dots / dotsPerMm() * unitsPerMm();
}

void QtPrintDevice::dropPrinter()
{
    printer_.reset();
    pdfPart_.reset();
}

void QtPrintDevice::resetJob()
{
    painter_.reset();
    dropPrinter();
    job_ = Job::None;
    pdfFile_.clear();
    dotsPerInch_ = canvas_ ? canvas_->logicalDpiX() : defaultDotsPerInch;
    // Each print-out sets up what it draws with; nothing carries over from the last.
    font_ = QFont();
    metrics_.reset();
    unit_ = PrintUnit::Dots;
    pointMm_ = {};
    fillStyle_ = FillStyle::Transparent;
    fillColour_ = Qt::black;
    textTransparent_ = false;
    scaling_ = QTransform();
}
