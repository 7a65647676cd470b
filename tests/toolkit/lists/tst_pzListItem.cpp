// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzListItem.h"

#include "testHost.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace testHost;

namespace {

const QColor IconColor(200, 0, 0);
const QColor Separator(0, 0, 0, 50);
const QColor HoverBackground(0, 0, 0, 150);

QIcon solidIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(IconColor);
    return QIcon(pixmap);
}

// Whether any pixel of the area is close to the colour (text is anti-aliased).
bool areaHas(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

bool whitish(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

bool blackish(QColor c) {
    return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

bool notBackground(QColor c, QColor background) {
    return !near(c, background);
}

} // namespace

class tst_pzListItem : public QObject {
    Q_OBJECT

private slots:
    void sizeHint_data();
    void sizeHint();
    void looks_data();
    void looks();
    void geometryOfIconTextAndSeparator();
    void separatorSpansTheItemWhereverItSits();
    void textNeedsMoreThanTheGap_data();
    void textNeedsMoreThanTheGap();
    void nullIconStillIndentsTheText();
    void longTextIsElided();
    void hoverUnderlinesAndShowsHand();
    void clickShowsPushedUntilAfterRelease();
    void leavingWhileHeldKeepsThePushedLook();
};

void tst_pzListItem::sizeHint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("iconSize");
    QTest::addColumn<QSize>("hint");
    QTest::newRow("default") << QString() << QSize() << QSize(40, 40);
    QTest::newRow("long text") << QString(200, 'W') << QSize() << QSize(40, 40);
    QTest::newRow("own icon size") << QStringLiteral("x") << QSize(20, 24) << QSize(28, 32);
}

void tst_pzListItem::sizeHint() {
    QFETCH(QString, text);
    QFETCH(QSize, iconSize);
    QFETCH(QSize, hint);
    pzListItem item(solidIcon(), text);
    if (iconSize.isValid())
        item.setIconSize(iconSize);
    QCOMPARE(item.sizeHint(), hint);
}

void tst_pzListItem::looks_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("whiteText");
    QTest::addColumn<bool>("separator");

    const QColor black(Qt::black);
    const QColor hover = onHost(HoverBackground);
    QTest::newRow("plain") << false << false << false << HostColor << false << true;
    QTest::newRow("hovered") << false << true << false << hover << true << false;
    QTest::newRow("pressed") << false << false << true << black << true << false;
    QTest::newRow("selected") << true << false << false << black << true << true;
    QTest::newRow("selected and hovered") << true << true << false << black << true << false;
    QTest::newRow("selected and pressed") << true << false << true << black << true << false;
}

void tst_pzListItem::looks() {
    QFETCH(bool, selected);
    QFETCH(bool, hovered);
    QFETCH(bool, pressed);
    QFETCH(QColor, background);
    QFETCH(bool, whiteText);
    QFETCH(bool, separator);

    Host host;
    pzListItem item(solidIcon(), QStringLiteral("About"), &host);
    item.setGeometry(0, 0, 150, 40);
    if (selected)
        item.select();
    if (hovered)
        enter(item);
    if (pressed)
        QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(item.entered(), hovered);
    QCOMPARE(item.pushed(), pressed);

    const QImage image = host.shot();
    COMPARE_COLOR(image.pixelColor(145, 10), background);
    COMPARE_COLOR(image.pixelColor(0, 0), background);
    COMPARE_COLOR(image.pixelColor(20, 20), IconColor);
    COMPARE_COLOR(image.pixelColor(151, 10), HostColor);
    COMPARE_COLOR(image.pixelColor(75, 39), separator ? onHost(Separator, background) : background);
    const QRect textArea(44, 4, 102, 32);
    QCOMPARE(areaHas(image, textArea, whitish), whiteText);
    if (!whiteText)
        QVERIFY(areaHas(image, textArea, blackish));
    QCOMPARE(item.font().underline(), hovered);
}

void tst_pzListItem::geometryOfIconTextAndSeparator() {
    Host host;
    pzListItem item(solidIcon(), QStringLiteral("Wide enough"), &host);
    item.setGeometry(0, 0, 150, 40);
    const QImage image = host.shot();
    COMPARE_COLOR(image.pixelColor(4, 4), IconColor);
    COMPARE_COLOR(image.pixelColor(35, 35), IconColor);
    COMPARE_COLOR(image.pixelColor(3, 4), HostColor);
    COMPARE_COLOR(image.pixelColor(36, 35), HostColor);
    COMPARE_COLOR(image.pixelColor(35, 36), HostColor);
    const auto drawn = [](QColor c) { return notBackground(c, HostColor); };
    QVERIFY(areaHas(image, QRect(44, 4, 102, 32), drawn));
    QVERIFY(!areaHas(image, QRect(36, 0, 8, 39), drawn));
    QVERIFY(!areaHas(image, QRect(146, 0, 4, 39), drawn));
    for (int x : {0, 75, 149})
        COMPARE_COLOR(image.pixelColor(x, 39), onHost(Separator));
    COMPARE_COLOR(image.pixelColor(150, 39), HostColor);
}

void tst_pzListItem::separatorSpansTheItemWhereverItSits() {
    Host host;
    pzListItem item(QIcon(), QStringLiteral("Offset"), &host);
    item.setGeometry(30, 50, 100, 40);
    const QImage image = host.shot();
    for (int x : {30, 31, 80, 129})
        COMPARE_COLOR(image.pixelColor(x, 89), onHost(Separator));
    COMPARE_COLOR(image.pixelColor(29, 89), HostColor);
    COMPARE_COLOR(image.pixelColor(130, 89), HostColor);
}

void tst_pzListItem::textNeedsMoreThanTheGap_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("caption");
    // Content width is width - 8; the caption needs more than icon width + 8 of it.
    QTest::newRow("gap only") << 48 << false;
    QTest::newRow("narrower") << 40 << false;
    QTest::newRow("one more") << 49 << true;
}

void tst_pzListItem::textNeedsMoreThanTheGap() {
    QFETCH(int, width);
    QFETCH(bool, caption);
    Host host;
    pzListItem item(solidIcon(), QStringLiteral("Text"), &host);
    item.setGeometry(0, 0, width, 40);
    const QImage image = host.shot();
    COMPARE_COLOR(image.pixelColor(0, 39), caption ? onHost(Separator) : HostColor);
    COMPARE_COLOR(image.pixelColor(20, 20), IconColor);
}

void tst_pzListItem::nullIconStillIndentsTheText() {
    Host host;
    pzListItem item(QIcon(), QStringLiteral("WWWW"), &host);
    item.setGeometry(0, 0, 150, 40);
    const QImage image = host.shot();
    const auto drawn = [](QColor c) { return notBackground(c, HostColor); };
    QVERIFY(!areaHas(image, QRect(0, 0, 44, 39), drawn));
    QVERIFY(areaHas(image, QRect(44, 4, 20, 32), drawn));
}

void tst_pzListItem::longTextIsElided() {
    const QString text = QStringLiteral("A caption far too long for the entry it labels");
    Host host;
    pzListItem item(QIcon(), text, &host);
    item.setGeometry(0, 0, 150, 40);
    const QImage image = host.shot();

    // The same caption as the item must draw it: elided into the 102 x 32 text rectangle.
    QImage expected(image.size(), image.format());
    expected.fill(HostColor);
    {
        QPainter painter(&expected);
        painter.setFont(item.font());
        painter.setPen(Qt::black);
        const QRect textRect(44, 4, 102, 32);
        const QString elided = painter.fontMetrics().elidedText(text, Qt::ElideRight, 102);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, elided);
    }
    QCOMPARE(image.copy(0, 0, 150, 39), expected.copy(0, 0, 150, 39));
}

void tst_pzListItem::hoverUnderlinesAndShowsHand() {
    pzListItem item(solidIcon(), QStringLiteral("About"));
    item.setCursor(Qt::CrossCursor);
    enter(item);
    QVERIFY(item.entered());
    QVERIFY(item.font().underline());
    QCOMPARE(item.cursor().shape(), Qt::PointingHandCursor);
    leave(item);
    QVERIFY(!item.entered());
    QVERIFY(!item.font().underline());
    QCOMPARE(item.cursor().shape(), Qt::ArrowCursor);
}

void tst_pzListItem::clickShowsPushedUntilAfterRelease() {
    Host host;
    pzListItem item(solidIcon(), QStringLiteral("About"), &host);
    item.setGeometry(0, 0, 150, 40);
    QSignalSpy clicked(&item, &QAbstractButton::clicked);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QTest::mouseClick(&item, Qt::LeftButton, {}, QPoint(100, 20));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(item.pushed());
    COMPARE_COLOR(host.shot().pixelColor(145, 10), QColor(Qt::black));
    QTRY_VERIFY_WITH_TIMEOUT(!item.pushed(), 2000);
    leave(item);
    COMPARE_COLOR(host.shot().pixelColor(145, 10), HostColor);

    item.select();
    QTest::mouseClick(&item, Qt::LeftButton, {}, QPoint(100, 20));
    QTRY_VERIFY_WITH_TIMEOUT(!item.pushed(), 2000);
    COMPARE_COLOR(host.shot().pixelColor(145, 10), QColor(Qt::black));
    item.unselect();
    leave(item);
    COMPARE_COLOR(host.shot().pixelColor(145, 10), HostColor);
}

void tst_pzListItem::leavingWhileHeldKeepsThePushedLook() {
    Host host;
    pzListItem item(solidIcon(), QStringLiteral("About"), &host);
    item.setGeometry(0, 0, 150, 40);
    QSignalSpy clicked(&item, &QAbstractButton::clicked);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    enter(item);
    QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(100, 20));
    leave(item);
    QVERIFY(!item.font().underline());
    QCOMPARE(item.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(item.pushed());
    QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(item.pushed());
    COMPARE_COLOR(host.shot().pixelColor(145, 10), QColor(Qt::black));
    QTRY_VERIFY_WITH_TIMEOUT(!item.pushed(), 2000);
}

QTEST_MAIN(tst_pzListItem)
#include "tst_pzListItem.moc"
