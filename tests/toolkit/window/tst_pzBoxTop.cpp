// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxTop.h"

#include "pzBox.h"

#include <QImage>
#include <QTest>

namespace {

pzBoxTop* titleBar(pzBox& box) {
    return box.findChild<pzBoxTop*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class tst_pzBoxTop : public QObject {
    Q_OBJECT

private slots:
    void rowLayout_data();
    void rowLayout();
    void hoveredCloseButtonIsRed();
    void paintsTranslucentBar();
    void barShowsItsBoxsState();
};

void tst_pzBoxTop::rowLayout_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("default") << 400;
    QTest::newRow("program") << 900;
}

void tst_pzBoxTop::rowLayout() {
    QFETCH(int, width);
    pzBox box;
    box.setTitle(QStringLiteral("Verrin - Oren Vale"));
    box.resize(width, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = titleBar(box);
    QCOMPARE(top->height(), 22);
    QCOMPARE(top->width(), width - 4);

    const int right = top->width() - 6;
    QCOMPARE(top->closeButton()->geometry(), QRect(right - 23, 0, 23, 22));
    QCOMPARE(top->minimizeButton()->geometry(), QRect(right - 46, 0, 23, 22));
    QCOMPARE(top->iconifyButton()->geometry(), QRect(right - 69, 0, 23, 22));
    QCOMPARE(top->programButton()->x(), 0);
    QVERIFY(top->programButton()->geometry().right() < right - 69 - 16);
}

void tst_pzBoxTop::hoveredCloseButtonIsRed() {
    pzBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzFadeButton* close = titleBar(box)->closeButton();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), close->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(close, &enter);
    QVERIFY(close->entered());
    const QColor shown = box.grab().toImage().pixelColor(close->mapTo(&box, QPoint(1, 1)));
    QVERIFY2(shown.red() > 150 && shown.green() < 60 && shown.blue() < 60,
             qPrintable(shown.name()));
}

void tst_pzBoxTop::paintsTranslucentBar() {
    pzBox box;
    auto* red = new QWidget;
    red->setAutoFillBackground(true);
    QPalette palette = red->palette();
    palette.setColor(QPalette::Window, Qt::red);
    red->setPalette(palette);
    box.setContent(red);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzBoxTop* top = titleBar(box);
    const QImage image = box.grab().toImage();
    // Black at alpha 150 over the red content, at the bar's free area and at its ends.
    for (const QPoint& point : {QPoint(top->width() / 2, 11), QPoint(top->width() - 3, 0),
                                QPoint(top->width() - 3, 21)}) {
        const QColor shown = image.pixelColor(top->mapTo(&box, point));
        QVERIFY2(qAbs(shown.red() - 105) <= 1 && shown.green() == 0 && shown.blue() == 0,
                 qPrintable(shown.name()));
    }
}

// A bar made for a box that is maximized already reads the box's state, and follows it.
void tst_pzBoxTop::barShowsItsBoxsState() {
    pzBox box;
    box.showMaximized();
    pzBoxTop second(&box);
    QCOMPARE(second.minimizeButton()->toolTip(), QStringLiteral("Restore"));
    box.showNormal();
    QCOMPARE(second.minimizeButton()->accessibleName(), QStringLiteral("Maximize"));
    QCOMPARE(pzBoxTop(nullptr).minimizeButton()->toolTip(), QStringLiteral("Maximize"));
}

QTEST_MAIN(tst_pzBoxTop)
#include "tst_pzBoxTop.moc"
