// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPaint.h"

#include "pzBox.h"
#include "pzListItem.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <climits>

namespace {

const QRgb Background = qRgb(0, 0, 255);

QImage canvas(int width = 60, int height = 40) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Background);
    return image;
}

int columnsWithInk(const QImage& image, QRgb background) {
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                right = qMax(right, x);
    return right + 1;
}

int distance(QRgb a, const QColor& b) {
    return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue());
}

QStringList inactivePainterWarnings;

void collectInactivePainterWarnings(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (text.contains(QLatin1String("not active")))
        inactivePainterWarnings.append(text);
}

} // namespace

class tst_pzPaint : public QObject {
    Q_OBJECT

private slots:
    void drawRectFillsExactlyTheRectangle_data();
    void drawRectFillsExactlyTheRectangle();
    void primitivesKeepThePainterState_data();
    void primitivesKeepThePainterState();
    void drawTextElidedFitsAndUsesThePen();
    void gradientsRunAcrossTheirAxis_data();
    void gradientsRunAcrossTheirAxis();
    void gradientsReachTheEndOfTheCoordinateRange();
    void paintHandlersStopAtAnInactivePainter();
};

void tst_pzPaint::drawRectFillsExactlyTheRectangle_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QRgb>("inside");
    QTest::newRow("opaque") << QColor(255, 0, 0, 255) << qRgb(255, 0, 0);
    QTest::newRow("invisible") << QColor(255, 0, 0, 0) << Background;
    QTest::newRow("black alpha 150") << QColor(0, 0, 0, 150) << qRgb(0, 0, 105);
}

void tst_pzPaint::drawRectFillsExactlyTheRectangle() {
    QFETCH(QColor, color);
    QFETCH(QRgb, inside);
    QImage image = canvas();
    {
        QPainter painter(&image);
        painter.setPen(Qt::green); // must not outline the fill
        pzPaint(painter).drawRect(QRect(10, 5, 20, 10), color);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool within = x >= 10 && x < 30 && y >= 5 && y < 15;
            const QRgb pixel = image.pixel(x, y) | 0xff000000;
            if (within)
                QVERIFY2(qAbs(qBlue(pixel) - qBlue(inside)) <= 1 && qRed(pixel) == qRed(inside),
                         qPrintable(QStringLiteral("inside at %1,%2").arg(x).arg(y)));
            else
                QVERIFY2(pixel == Background,
                         qPrintable(QStringLiteral("outside at %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_pzPaint::primitivesKeepThePainterState_data() {
    QTest::addColumn<int>("primitive");
    QTest::newRow("drawRect") << 0;
    QTest::newRow("drawTextElided") << 1;
    QTest::newRow("drawHGradient") << 2;
    QTest::newRow("drawVGradient") << 3;
}

void tst_pzPaint::primitivesKeepThePainterState() {
    QFETCH(int, primitive);
    QImage image = canvas();
    QPainter painter(&image);
    const QPen pen(Qt::magenta, 3);
    const QBrush brush(Qt::cyan, Qt::Dense4Pattern);
    QFont font = painter.font();
    font.setPointSize(17);
    font.setItalic(true);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);

    pzPaint paint(painter);
    const QRect rect(0, 0, 40, 20);
    switch (primitive) {
    case 0:
        paint.drawRect(rect, Qt::red);
        break;
    case 1:
        paint.drawTextElided(rect, QStringLiteral("A long caption that is cut"));
        break;
    case 2:
        paint.drawHGradient(rect, Qt::red, Qt::green);
        break;
    case 3:
        paint.drawVGradient(rect, Qt::red, Qt::green);
        break;
    }
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.brush(), brush);
    QCOMPARE(painter.font(), font);
}

void tst_pzPaint::drawTextElidedFitsAndUsesThePen() {
    const QRect rect(0, 0, 60, 40);
    const QString shortText = QStringLiteral("Hi");
    const QString longText = QStringLiteral("An entry caption far too wide for sixty pixels");

    QImage shortImage = canvas(200, 40);
    QImage longImage = canvas(200, 40);
    QImage expected = canvas(200, 40);
    QString elided;
    for (QImage* image : {&shortImage, &longImage, &expected}) {
        QPainter painter(image);
        painter.setPen(Qt::white);
        pzPaint paint(painter);
        if (image == &shortImage)
            paint.drawTextElided(rect, shortText);
        else if (image == &longImage)
            paint.drawTextElided(rect, longText);
        else {
            elided =
                QFontMetrics(painter.font()).elidedText(longText, Qt::ElideRight, rect.width());
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, elided);
        }
    }
    QVERIFY(elided.endsWith(QChar(0x2026)));
    QCOMPARE(longImage, expected);
    QVERIFY(columnsWithInk(longImage, Background) <= rect.width());

    // Short text: drawn whole, from the left edge, centred vertically, in the pen's white.
    QImage plain = canvas(200, 40);
    {
        QPainter painter(&plain);
        painter.setPen(Qt::white);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, shortText);
    }
    QCOMPARE(shortImage, plain);
    // Antialiased glyphs blend with the blue canvas, so look for strong red, which only white
    // brings.
    bool white = false;
    for (int y = 0; y < 40 && !white; ++y)
        for (int x = 0; x < 60 && !white; ++x)
            white = qRed(shortImage.pixel(x, y)) > 200;
    QVERIFY(white);
}

void tst_pzPaint::gradientsRunAcrossTheirAxis_data() {
    QTest::addColumn<bool>("horizontalBands");
    QTest::newRow("drawHGradient: top to bottom") << true;
    QTest::newRow("drawVGradient: left to right") << false;
}

void tst_pzPaint::gradientsRunAcrossTheirAxis() {
    QFETCH(bool, horizontalBands);
    const QColor first(255, 0, 0);
    const QColor second(0, 255, 0);
    const QRect rect(5, 5, 10, 10);
    QImage image = canvas();
    {
        QPainter painter(&image);
        pzPaint paint(painter);
        if (horizontalBands)
            paint.drawHGradient(rect, first, second);
        else
            paint.drawVGradient(rect, first, second);
    }
    auto at = [&](int along, int across) {
        return horizontalBands ? image.pixel(rect.left() + across, rect.top() + along)
                               : image.pixel(rect.left() + along, rect.top() + across);
    };
    for (int along = 0; along < 10; ++along)
        for (int across = 1; across < 10; ++across)
            QCOMPARE(at(along, across), at(along, 0));
    QVERIFY(distance(at(0, 0), first) < distance(at(0, 0), second));
    QVERIFY(distance(at(9, 0), second) < distance(at(9, 0), first));
    // The last band stops short of the second colour: the final stop lies just past the edge.
    QVERIFY(distance(at(9, 0), second) > 0);
    QCOMPARE(image.pixel(rect.left() - 1, rect.top()), Background);
    QCOMPARE(image.pixel(rect.right() + 1, rect.bottom() + 1), Background);
}

// A paint event outside the widget's own painting leaves its painter unable to begin, as an
// unusable device does: every toolkit handler then stops without drawing through it.
// The line past the last row or column lies past INT_MAX there (undefined behaviour in int).
void tst_pzPaint::gradientsReachTheEndOfTheCoordinateRange() {
    QImage image = canvas();
    QPainter painter(&image);
    pzPaint paint(painter);
    paint.drawHGradient(QRect(QPoint(0, INT_MAX - 9), QPoint(9, INT_MAX)), Qt::red, Qt::green);
    paint.drawVGradient(QRect(QPoint(INT_MAX - 9, 0), QPoint(INT_MAX, 9)), Qt::red, Qt::green);
    QCOMPARE(image.pixel(0, 0), Background);
}

void tst_pzPaint::paintHandlersStopAtAnInactivePainter() {
    pzBox box;
    pzListItem item(QIcon(), QStringLiteral("Item"), &box);
    QList<QWidget*> widgets = box.findChildren<QWidget*>();
    widgets.append(&box);
    // Qt's own widgets among them (labels, scroll areas) are not ours to answer for.
    const QStringList painting = {"pzBox",      "pzBoxTop",     "pzSplitterHandle", "pzFrameMenu",
                                  "pzListItem", "pzFadeButton", "pzSizeGrip"};
    const QtMessageHandler previous = qInstallMessageHandler(collectInactivePainterWarnings);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!painting.contains(QLatin1String(widget->metaObject()->className())) &&
            !widget->inherits("pzFadeButton"))
            continue;
        QPaintEvent event(widget->rect());
        QCoreApplication::sendEvent(widget, &event);
    }
    qInstallMessageHandler(previous);
    QCOMPARE(inactivePainterWarnings, QStringList());
}

QTEST_MAIN(tst_pzPaint)
#include "tst_pzPaint.moc"
