#pragma once

#include "seams/PrintDevice.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

#include <functional>
#include <memory>
#include <optional>

class PdfBesideTarget;
class QPaintDevice;
class QPainter;
class QPrinter;

// Prints through Qt onto a CUPS queue, or into a PDF file when told to. Every job gets
// a fresh QPrinter: one whose begin() failed stays unusable.
class QtPrintDevice final : public PrintDevice {
public:
    static constexpr int defaultDotsPerInch = 150;

    using Catalogue = std::function<QList<InstalledPrinter>()>;
    explicit QtPrintDevice(Catalogue catalogue = nullptr);
    // Draws on `canvas` (a picture: an image or an SVG generator) instead, all of it
    // printable, at its own resolution. The canvas outlives the device.
    explicit QtPrintDevice(QPaintDevice& canvas);
    ~QtPrintDevice() override;

    // The printer jobs go to until one is chosen: the system's default.
    QString currentPrinter() const;

    QList<InstalledPrinter> printers() override;
    void setCurrentPrinter(const QString& name) override;
    void setPdfFile(const QString& path) override;
    void setResolution(int dotsPerInch) override;
    void setFontName(const QString& name) override;
    void setFontSize(qreal points) override;
    void setFontBold(bool bold) override;
    void setUnit(PrintUnit unit) override;
    void setScale(qreal factor, QPointF anchor) override;
    QSizeF printableSize() override;
    QSizeF paperSize() override;
    QPointF printableCorner() override;
    qreal textWidth(const QString& text) override;
    qreal lineHeight() override;
    QPointF currentPoint() const override;
    void setCurrentPoint(QPointF point) override;
    void printText(const QString& text) override;
    void setFillStyle(FillStyle style) override;
    void setFillColour(const QColor& colour) override;
    void setTextTransparent(bool transparent) override;
    void drawBox(QPointF from, QPointF to) override;
    void fillBox(QPointF from, QPointF to, const QColor& colour) override;
    void newPage() override;
    bool endDocument() override;
    QString failure() const override { return failure_; }

private:
    enum class Job { None, Printing, Failed };

    QPrinter& printer();
    void dropPrinter();
    // What is drawn on and measured against: the canvas, or else the printer.
    QPaintDevice& target();
    // The current font's, measured once: a page of clues measures thousands of texts.
    const QFontMetricsF& metrics();
    // Starts the job at its first output, with the scale in force; false when it failed.
    bool started();
    qreal dotsPerMm() const;
    qreal unitsPerMm() const;
    QPointF toDots(QPointF point) const;
    qreal fromDots(qreal dots) const;
    void resetJob();

    Catalogue catalogue_;
    QPaintDevice* canvas_ = nullptr;
    std::optional<QString> currentPrinter_;
    QString pdfFile_;
    int dotsPerInch_ = defaultDotsPerInch;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    PrintUnit unit_ = PrintUnit::Dots;
    QPointF pointMm_;  // kept in millimetres so the resolution may still change
    FillStyle fillStyle_ = FillStyle::Transparent;
    QColor fillColour_ = Qt::black;
    bool textTransparent_ = false;
    QTransform scaling_;  // in printer dots

    Job job_ = Job::None;
    QString failure_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PdfBesideTarget> pdfPart_;  // with the printer, when it writes a PDF
    std::unique_ptr<QPainter> painter_;
};
