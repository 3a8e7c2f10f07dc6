#pragma once

#include "seams/PrintDevice.h"
#include "support/ScriptedUi.h"

#include <QRectF>

// A printer on paper of a known printable size that keeps every mark made on it. Text
// is measured as if each character were 0.5 em wide, so a test can tell where a centred
// or wrapped text lands. Its one installed printer is portrait.
class RecordingPrintDevice final : public PrintDevice {
public:
    struct Mark {
        QString kind;  // "text", "box", "fill", "page" or "end"
        QString text;
        QRectF rect;    // in dots: a box's corners, or a text's top left corner
        QString style;  // a text's font and whether it is see-through; a box's fill colour
        int page = 1;

        // "C@97,223 Arial 11 see-through", or "box 74,207-130,249 #000000".
        QString describe() const
        {
            const auto n = [](qreal value) { return QString::number(value); };
            if (kind == QLatin1String("text"))
                return text + '@' + n(rect.x()) + ',' + n(rect.y()) + ' ' + style;
            return kind + ' ' + n(rect.left()) + ',' + n(rect.top()) + '-' + n(rect.right()) +
                   ',' + n(rect.bottom()) + ' ' + style;
        }
    };

    QList<InstalledPrinter> installed = {{QStringLiteral("Office"), PageOrientation::Portrait}};
    QString current = QStringLiteral("Kept");
    QString pdfFile;
    int dotsPerInch = 150;
    QSizeF printableMm = {203, 290};
    QSizeF paperMm = {210, 297};
    QPointF cornerMm = {3.5, 3.5};
    QList<Mark> marks;

    // The marks of the kinds named, as "text" or "box fill", in the order they were made.
    QList<Mark> marksOf(const QString& kinds) const
    {
        QList<Mark> found;
        for (const Mark& each : marks) {
            if (kinds.split(' ').contains(each.kind))
                found << each;
        }
        return found;
    }
    QStringList drawn(const QString& kinds) const
    {
        QStringList found;
        for (const Mark& each : marksOf(kinds))
            found << each.describe();
        return found;
    }

    QList<InstalledPrinter> printers() override { return installed; }
    void setCurrentPrinter(const QString& name) override { current = name; }
    void setPdfFile(const QString& path) override { pdfFile = path; }
    void setResolution(int dpi) override { dotsPerInch = dpi; }
    void setFontName(const QString& name) override { fontName_ = name; }
    void setFontSize(qreal points) override { fontSize_ = points; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setUnit(PrintUnit unit) override { unit_ = unit; }
    void setScale(qreal factor, QPointF anchor) override
    {
        scale_ = factor;
        anchorDots_ = anchor * dotsPerUnit();
    }
    QSizeF printableSize() override { return printableMm * dotsPerInch / 25.4 / dotsPerUnit(); }
    QSizeF paperSize() override { return paperMm * dotsPerInch / 25.4 / dotsPerUnit(); }
    QPointF printableCorner() override { return cornerMm * dotsPerInch / 25.4 / dotsPerUnit(); }
    qreal textWidth(const QString& text) override { return text.size() * 0.5 * em(); }
    qreal lineHeight() override { return 1.2 * em(); }
    QPointF currentPoint() const override { return pointDots_ / dotsPerUnit(); }
    void setCurrentPoint(QPointF point) override { pointDots_ = point * dotsPerUnit(); }
    void printText(const QString& text) override
    {
        add(QStringLiteral("text"), QRectF(pointDots_, QSizeF()), text,
            fontName_ + ' ' + QString::number(fontSize_ * scale_) + (bold_ ? " bold" : "") +
                (transparent_ ? " see-through" : ""));
        pointDots_ = QPointF(0, pointDots_.y() + lineHeight() * dotsPerUnit());
    }
    void setFillStyle(FillStyle style) override { solid_ = style == FillStyle::Solid; }
    void setFillColour(const QColor& colour) override { fillColour_ = colour; }
    void setTextTransparent(bool transparent) override { transparent_ = transparent; }
    void drawBox(QPointF from, QPointF to) override
    {
        add(QStringLiteral("box"), {from * dotsPerUnit(), to * dotsPerUnit()}, {},
            solid_ ? fillColour_.name() : QStringLiteral("hollow"));
    }
    void fillBox(QPointF from, QPointF to, const QColor& colour) override
    {
        add(QStringLiteral("fill"), {from * dotsPerUnit(), to * dotsPerUnit()}, {}, colour.name());
    }
    void newPage() override
    {
        ++page_;
        pointDots_ = {};
        add(QStringLiteral("page"), {}, {}, {});
    }
    bool endDocument() override
    {
        add(QStringLiteral("end"), {}, {}, {});
        return true;
    }
    QString failure() const override { return {}; }

private:
    // Where the mark lands on paper, the scale applied.
    void add(const QString& kind, QRectF rect, const QString& text, const QString& style)
    {
        const auto onPaper = [this](QPointF p) {
            return anchorDots_ + (p - anchorDots_) * scale_;
        };
        rect = QRectF(onPaper(rect.topLeft()), onPaper(rect.bottomRight()));
        marks << Mark{kind, text, rect, style, page_};
    }
    qreal dotsPerUnit() const { return unit_ == PrintUnit::Dots ? 1.0 : dotsPerInch / 25.4; }
    // An em of the current font in the current unit.
    qreal em() const { return fontSize_ / 72 * dotsPerInch / dotsPerUnit(); }

    QString fontName_;
    qreal fontSize_ = 10;
    bool bold_ = false;
    bool transparent_ = false;
    PrintUnit unit_ = PrintUnit::Dots;
    QPointF pointDots_;
    bool solid_ = false;
    QColor fillColour_ = Qt::black;
    int page_ = 1;
    qreal scale_ = 1;
    QPointF anchorDots_;
};

// A user at a machine with a portrait printer, who names every print-out "Title".
struct RecordedRun {
    ScriptedUi ui;
    RecordingPrintDevice device;

    RecordedRun() { ui.promptReplies = {QStringLiteral("Title")}; }
};
