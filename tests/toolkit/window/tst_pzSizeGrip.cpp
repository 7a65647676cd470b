// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSizeGrip.h"

#include <QImage>
#include <QTest>

class tst_pzSizeGrip : public QObject {
    Q_OBJECT

private slots:
    void drawsNothing();
    void keepsResizeCursor();
};

void tst_pzSizeGrip::drawsNothing() {
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::red);
    window.setPalette(palette);
    window.resize(60, 60);
    auto* grip = new pzSizeGrip(&window);
    grip->setGeometry(40, 40, 20, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(grip->isVisible());

    const QImage image = window.grab(grip->geometry()).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::red));
}

void tst_pzSizeGrip::keepsResizeCursor() {
    QWidget window;
    window.resize(60, 60);
    auto* grip = new pzSizeGrip(&window);
    grip->setGeometry(50, 50, 10, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(grip->cursor().shape(), Qt::SizeFDiagCursor);
}

QTEST_MAIN(tst_pzSizeGrip)
#include "tst_pzSizeGrip.moc"
