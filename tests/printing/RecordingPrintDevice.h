#pragma once

#include "printing/PrintDevice.h"

#include <QList>
#include <QRectF>

// A printer on paper of a known printable size that keeps every mark made on it, with
// the font, unit and page in force at the time. Text is measured as if each character
// were 0.5 em wide, so a test can tell where a centred or wrapped text lands.
class RecordingPrintDevice final : public PrintDevice {
public:
    struct Mark {
        QString kind;  // "text", "box", "fill", "page", "end" or a message from the Ui
        QString text;
        QRectF rect;  // boxes: the two corners; text: its top left corner, in dots
        QString fontName;
        qreal fontSize = 0;
        bool bold = false;
        bool transparent = false;
        bool solidFill = false;
        QColor colour;  // the fill colour of a box or the colour of a filled box
        int page = 1;
    };

    explicit RecordingPrintDevice(int dotsPerInch = 150, QSizeF printableMm = {203, 290});

    QList<InstalledPrinter> installed;
    QString current = QStringLiteral("(system default)");
    QString pdfFile;
    // Set to make the first output fail as a printer that cannot be started would.
    QString startFailure;

    QList<Mark> marks;
    int dotsPerInch() const { return dotsPerInch_; }
    QList<Mark> marksOf(const QString& kind) const;
    void note(const QString& kind, const QString& text);

    QList<InstalledPrinter> printers() override { return installed; }
    void setCurrentPrinter(const QString& name) override { current = name; }
    void setPdfFile(const QString& path) override { pdfFile = path; }
    void setResolution(int dotsPerInch) override;
    void setFontName(const QString& name) override { fontName_ = name; }
    void setFontSize(qreal points) override { fontSize_ = points; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setUnit(PrintUnit unit) override { unit_ = unit; }
    QSizeF printableSize() override;
    qreal textWidth(const QString& text) override;
    qreal lineHeight() override;
    QPointF currentPoint() const override;
    void setCurrentPoint(QPointF point) override;
    void printText(const QString& text) override;
    void setFillStyle(FillStyle style) override { solid_ = style == FillStyle::Solid; }
    void setFillColour(const QColor& colour) override { fillColour_ = colour; }
    void setTextTransparent(bool transparent) override { transparent_ = transparent; }
    void drawBox(QPointF from, QPointF to) override;
    void fillBox(QPointF from, QPointF to, const QColor& colour) override;
    void newPage() override;
    bool endDocument() override;
    QString failure() const override { return failure_; }

private:
    bool started();
    Mark mark(const QString& kind) const;
    qreal dotsPerUnit() const;

    int dotsPerInch_;
    QSizeF printableMm_;
    QString fontName_;
    qreal fontSize_ = 10;
    bool bold_ = false;
    PrintUnit unit_ = PrintUnit::Dots;
    QPointF pointDots_;
    bool solid_ = false;
    QColor fillColour_ = Qt::black;
    bool transparent_ = false;
    bool begun_ = false;
    int page_ = 1;
    QString failure_;
};
