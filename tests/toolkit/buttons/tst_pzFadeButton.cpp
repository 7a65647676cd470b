// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFadeButton.h"

#include "testHost.h"

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor IconColor(200, 0, 0);
const QColor HoverWash(255, 255, 255, 100);

} // namespace

using namespace testHost;

class tst_pzFadeButton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void defaults();
    void sizeHint_data();
    void sizeHint();
    void looks_data();
    void looks();
    void iconSitsTopLeftAtIconSize();
    void missingIconDrawsOnlyBackground();
    void pushedLastsUntilAfterRelease();
    void releaseOutsideKeepsPushedAndDoesNotClick();
    void secondPressStopsTheTimer();
    void checkedOutlastsThePushedLook();

private:
    QTemporaryDir mDir;
    QString mIconPath;
};

void tst_pzFadeButton::initTestCase() {
    QVERIFY(mDir.isValid());
    // Larger than the icon size, so a drawing at natural size would show past 22 x 22.
    QImage image(44, 44, QImage::Format_ARGB32);
    image.fill(IconColor);
    mIconPath = mDir.filePath(QStringLiteral("icon.png"));
    QVERIFY(image.save(mIconPath));
}

void tst_pzFadeButton::defaults() {
    pzFadeButton button(mIconPath);
    QCOMPARE(button.path(), mIconPath);
    QVERIFY(!button.icon().isNull());
    QCOMPARE(button.iconSize(), QSize(22, 22));
    QCOMPARE(button.backColor(), HoverWash);
    QCOMPARE(button.backColorPush(), QColor(Qt::black));
    QVERIFY(!button.entered());
    QVERIFY(!button.pushed());
    QCOMPARE(button.property("entered").toBool(), false);
    QVERIFY(button.qt_metacast("pzPrivatable"));

    button.setIcon(QIcon());
    QCOMPARE(button.path(), mIconPath);
}

void tst_pzFadeButton::sizeHint_data() {
    QTest::addColumn<QSize>("iconSize");
    QTest::newRow("default") << QSize();
    QTest::newRow("wider") << QSize(23, 22);
    QTest::newRow("large") << QSize(48, 30);
}

void tst_pzFadeButton::sizeHint() {
    QFETCH(QSize, iconSize);
    pzFadeButton button(mIconPath);
    if (iconSize.isValid())
        button.setIconSize(iconSize);
    QCOMPARE(button.sizeHint(), iconSize.isValid() ? iconSize : QSize(22, 22));
}

void tst_pzFadeButton::looks_data() {
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QColor>("hoverColor");
    QTest::addColumn<QColor>("background");

    const QColor black(Qt::black);
    QTest::newRow("plain") << false << false << false << HoverWash << HostColor;
    QTest::newRow("hovered") << true << false << false << HoverWash << onHost(HoverWash);
    QTest::newRow("pressed") << false << true << false << HoverWash << black;
    QTest::newRow("pressed and hovered") << true << true << false << HoverWash << black;
    QTest::newRow("checked") << false << false << true << HoverWash << black;
    QTest::newRow("checked and hovered") << true << false << true << HoverWash << black;
    QTest::newRow("invisible wash")
        << true << false << false << QColor(255, 255, 255, 0) << HostColor;
    QTest::newRow("own wash") << true << false << false << QColor(0, 0, 255, 80)
                              << onHost(QColor(0, 0, 255, 80));
}

void tst_pzFadeButton::looks() {
    QFETCH(bool, hovered);
    QFETCH(bool, pressed);
    QFETCH(bool, checked);
    QFETCH(QColor, hoverColor);
    QFETCH(QColor, background);

    Host host;
    pzFadeButton button(mIconPath, &host);
    button.resize(40, 30);
    button.setBackColor(hoverColor);
    button.setCheckable(checked);
    button.setChecked(checked);
    if (hovered)
        enter(button);
    if (pressed)
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(button.entered(), hovered);
    QCOMPARE(button.pushed(), pressed);
    const QImage image = host.grab().toImage();
    // The whole button is filled, not only the icon's square, and nothing around it.
    COMPARE_COLOR(image.pixelColor(30, 25), background);
    COMPARE_COLOR(image.pixelColor(39, 0), background);
    COMPARE_COLOR(image.pixelColor(0, 29), background);
    COMPARE_COLOR(image.pixelColor(40, 5), HostColor);
    COMPARE_COLOR(image.pixelColor(5, 30), HostColor);
    COMPARE_COLOR(image.pixelColor(10, 10), IconColor);

    if (hovered) {
        leave(button);
        QVERIFY(!button.entered());
    }
}

void tst_pzFadeButton::iconSitsTopLeftAtIconSize() {
    Host host;
    pzFadeButton button(mIconPath, &host);
    button.resize(60, 60);
    button.setIconSize(QSize(30, 20));
    const QImage image = host.grab().toImage();
    COMPARE_COLOR(image.pixelColor(0, 0), IconColor);
    COMPARE_COLOR(image.pixelColor(29, 19), IconColor);
    COMPARE_COLOR(image.pixelColor(30, 10), HostColor);
    COMPARE_COLOR(image.pixelColor(10, 20), HostColor);
    COMPARE_COLOR(image.pixelColor(45, 45), HostColor);
}

void tst_pzFadeButton::missingIconDrawsOnlyBackground() {
    Host host;
    pzFadeButton button(mDir.filePath(QStringLiteral("missing.png")), &host);
    QVERIFY(button.icon().pixmap(22, 22).isNull());
    button.resize(22, 22);
    COMPARE_COLOR(host.shot().pixelColor(5, 5), HostColor);
    enter(button);
    COMPARE_COLOR(host.shot().pixelColor(5, 5), onHost(HoverWash));
}

void tst_pzFadeButton::pushedLastsUntilAfterRelease() {
    Host host;
    pzFadeButton button(QString(), &host);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    button.resize(22, 22);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(button.pushed());
    COMPARE_COLOR(host.shot().pixelColor(5, 5), QColor(Qt::black));
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(button.pushed());
    COMPARE_COLOR(host.shot().pixelColor(5, 5), QColor(Qt::black));

    QTRY_VERIFY_WITH_TIMEOUT(!button.pushed(), 2000);
    // A coarse timer may fire up to 5 % early.
    QVERIFY2(sinceRelease.elapsed() >= 95, qPrintable(QString::number(sinceRelease.elapsed())));
    // The pointer is still over the button.
    QVERIFY(button.entered());
    COMPARE_COLOR(host.shot().pixelColor(5, 5), onHost(HoverWash));
}

void tst_pzFadeButton::releaseOutsideKeepsPushedAndDoesNotClick() {
    Host host;
    pzFadeButton button(QString(), &host);
    button.resize(22, 22);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    leave(button);
    QTest::mouseMove(&button, QPoint(60, 60));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(button.pushed());
    COMPARE_COLOR(host.shot().pixelColor(5, 5), QColor(Qt::black));
    QTRY_VERIFY_WITH_TIMEOUT(!button.pushed(), 2000);
    COMPARE_COLOR(host.shot().pixelColor(5, 5), HostColor);
}

void tst_pzFadeButton::secondPressStopsTheTimer() {
    Host host;
    pzFadeButton button(QString(), &host);
    button.resize(22, 22);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    // Held down past the first release's 100 ms: nothing may clear the look meanwhile.
    QTest::qWait(200);
    QVERIFY(button.pushed());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(button.pushed());
    QTRY_VERIFY_WITH_TIMEOUT(!button.pushed(), 2000);
}

void tst_pzFadeButton::checkedOutlastsThePushedLook() {
    Host host;
    pzFadeButton button(QString(), &host);
    button.setCheckable(true);
    button.resize(22, 22);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(button.isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(!button.pushed(), 2000);
    enter(button);
    COMPARE_COLOR(host.shot().pixelColor(5, 5), QColor(Qt::black));

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!button.isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(!button.pushed(), 2000);
    COMPARE_COLOR(host.shot().pixelColor(5, 5), onHost(HoverWash));
}

QTEST_MAIN(tst_pzFadeButton)
#include "tst_pzFadeButton.moc"
