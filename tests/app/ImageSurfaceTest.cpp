#include "app/ImageSurface.h"
#include "support/Ink.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

// The smallest rectangle, in logical pixels, that holds every dark pixel of the image.
QRectF inkBounds(const ImageSurface& surface)
{
    const QRect ink = darkBounds(surface.image());
    const qreal ratio = surface.image().devicePixelRatio();
    return QRectF(ink.topLeft() / ratio, ink.size() / ratio);
}

}  // namespace

class ImageSurfaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // On a scaled desktop the drawing gets more pixels, never bigger letters: a letter
    // must cover the same logical area as on an unscaled one.
    void lettersKeepTheirSizeAtEveryScale_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1.5") << 1.5 << QSize(150, 90);
        QTest::newRow("2") << 2.0 << QSize(200, 120);
        QTest::newRow("not known (0): as unscaled") << 0.0 << QSize(100, 60);
    }
    void lettersKeepTheirSizeAtEveryScale()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        ImageSurface plain(QSize(100, 60));
        ImageSurface scaled(QSize(100, 60), ratio);
        QCOMPARE(scaled.image().size(), pixels);
        for (ImageSurface* surface : {&plain, &scaled})
            surface->drawText({20, 10}, QStringLiteral("W"));

        const QRectF expected = inkBounds(plain);
        const QRectF actual = inkBounds(scaled);
        QVERIFY(!expected.isEmpty());
        const QPointF size(actual.width() - expected.width(), actual.height() - expected.height());
        QVERIFY2(
            qAbs(size.x()) <= 2 && qAbs(size.y()) <= 2 && qAbs(actual.top() - expected.top()) <= 2,
            qPrintable(QString("ink %1 x %2 at %3 off")
                           .arg(size.x())
                           .arg(size.y())
                           .arg(actual.top() - expected.top())));
    }

    // The window repaints only what the surface says changed: it must hold all it drew.
    void tellsWhatItChanged()
    {
        ImageSurface surface(QSize(200, 100));
        QRect told;
        surface.setChangeListener([&told](const QRect& rect) { told = rect; });
        surface.drawText({20, 10}, QStringLiteral("W"));
        QVERIFY(told.contains(inkBounds(surface).toAlignedRect()));
        surface.clear();
        QCOMPARE(told, QRect(0, 0, 200, 100));
    }

    void aSmallerAreaKeepsTheDrawing()
    {
        ImageSurface surface(QSize(200, 100));
        surface.fillBox({150, 50}, {160, 60}, Qt::black);
        surface.setAreaSize(QSize(50, 50));
        surface.setAreaSize(QSize(300, 200));
        QCOMPARE(surface.image().pixelColor(155, 55), QColor(Qt::black));
        QCOMPARE(surface.image().pixelColor(250, 150), ImageSurface::background);
    }
};

QUILLGRID_TEST(ImageSurfaceTest);
#include "ImageSurfaceTest.moc"
