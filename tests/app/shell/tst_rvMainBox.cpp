// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainBox.h"

#include "pzBoxTop.h"
#include "pzListItem.h"
#include "rvAbout.h"
#include "rvMainContent.h"
#include "rvMainPage.h"
#include "rvRandom.h"

#include <QDateTime>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

// The panel's entries, top to bottom.
QList<pzListItem*> entries(rvMainBox& box) {
    QList<pzListItem*> items = box.panel()->findChildren<pzListItem*>();
    std::sort(items.begin(), items.end(), [&box](pzListItem* a, pzListItem* b) {
        return a->mapTo(&box, QPoint(0, 0)).y() < b->mapTo(&box, QPoint(0, 0)).y();
    });
    return items;
}

QList<int> draws(int count) {
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values << rvRandom::draw(1000000);
    return values;
}

} // namespace

class tst_rvMainBox : public QObject {
    Q_OBJECT

private slots:
    void firstShow();
    void menuListsAboutThenExit();
    void contentIsTheCityBlock();
    void aboutShowsInPanel();
    void programButtonClosesPanel();
    void seedsRandomFromTime();
    void destroysItsChildren();
};

void tst_rvMainBox::firstShow() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), QSize(900, 644));
    QCOMPARE(box.geometry().center(), box.screen()->availableGeometry().center());
    QCOMPARE(box.windowTitle(), QStringLiteral("Verrin - Oren Vale"));
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(box.panel()->isVisible());
    auto* top = box.findChild<pzBoxTop*>();
    QVERIFY(top->programButton()->isChecked());
    QVERIFY(top->programButton()->text().contains(QStringLiteral("Verrin - Oren Vale")));
    QVERIFY(!box.isMaximized());
}

void tst_rvMainBox::menuListsAboutThenExit() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QList<pzListItem*> items = entries(box);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->text(), QStringLiteral("About"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("Exit"));
    auto* page = box.findChild<rvMainPage*>();
    QVERIFY(page);
    QVERIFY(page->isCreated());
    QVERIFY(!page->currentItem());
    for (pzListItem* item : items) {
        QVERIFY(item->isVisible());
        QCOMPARE(item->width(), box.panel()->list()->width());
    }
}

void tst_rvMainBox::contentIsTheCityBlock() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* content = box.findChild<rvMainContent*>();
    QVERIFY(content);
    QVERIFY(content->isVisible());
    QCOMPARE(content->mapTo(&box, QPoint(0, 0)), QPoint(2, 2));
    QCOMPARE(content->size(), QSize(896, 640));
}

void tst_rvMainBox::aboutShowsInPanel() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    pzListItem* about = entries(box).at(0);

    QTest::mouseClick(about, Qt::LeftButton);
    rvAbout* page = box.findChild<rvAbout*>();
    QVERIFY(page);
    QTRY_VERIFY(page->isVisible());
    const QPoint at = page->mapTo(&box, QPoint(0, 0));
    QVERIFY2(at.x() >= 2 + 150 && at.y() >= 24,
             qPrintable(QStringLiteral("About page at %1,%2").arg(at.x()).arg(at.y())));
    QCOMPARE(page->size(), QSize(400, 300));
    QPointer<rvAbout> first = page;

    QTest::mouseClick(about, Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    QVERIFY(!box.findChild<rvAbout*>());

    QTest::mouseClick(about, Qt::LeftButton);
    QTRY_VERIFY(box.findChild<rvAbout*>());
    QTRY_VERIFY(box.findChild<rvAbout*>()->isVisible());
}

void tst_rvMainBox::programButtonClosesPanel() {
    rvMainBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* top = box.findChild<pzBoxTop*>();
    QTest::mouseClick(top->programButton(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(box.panel()->isHidden());
    QVERIFY(!top->programButton()->isChecked());
    QVERIFY(box.findChild<rvMainContent*>()->isVisible());
}

void tst_rvMainBox::seedsRandomFromTime() {
    // Retried when the clock's second turns over between the box and the reference.
    for (int attempt = 0; attempt < 3; ++attempt) {
        rvRandom::seed(12345);
        const qint64 before = QDateTime::currentDateTime().toSecsSinceEpoch();
        rvMainBox box;
        const QList<int> afterBox = draws(8);
        const qint64 after = QDateTime::currentDateTime().toSecsSinceEpoch();
        if (before != after)
            continue;
        rvRandom::seed(quint32(before));
        QCOMPARE(draws(8), afterBox);
        rvRandom::seed(quint32(before + 1));
        QVERIFY(draws(8) != afterBox);
        return;
    }
    QFAIL("the clock never stayed within one second");
}

void tst_rvMainBox::destroysItsChildren() {
    auto* box = new rvMainBox;
    QPointer<rvMainPage> page = box->findChild<rvMainPage*>();
    QPointer<rvMainContent> content = box->findChild<rvMainContent*>();
    QVERIFY(page);
    QVERIFY(content);
    QCOMPARE(page->parent(), box);
    delete box;
    QVERIFY(page.isNull());
    QVERIFY(content.isNull());
}

QTEST_MAIN(tst_rvMainBox)
#include "tst_rvMainBox.moc"
