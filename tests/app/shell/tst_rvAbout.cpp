// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvAbout.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

namespace {

QImage renderOver(QWidget& page, const QColor& backdropColor) {
    QWidget backdrop;
    backdrop.setAutoFillBackground(true);
    QPalette palette = backdrop.palette();
    palette.setColor(QPalette::Window, backdropColor);
    backdrop.setPalette(palette);
    backdrop.resize(page.size());
    page.setParent(&backdrop);
    page.move(0, 0);
    page.show();
    const QImage image = backdrop.grab().toImage();
    page.setParent(nullptr);
    return image;
}

bool isInk(const QColor& color) {
    return color.red() < 160 && color.green() < 160 && color.blue() < 160;
}

} // namespace

// Receives the links that the page hands to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class tst_rvAbout : public QObject {
    Q_OBJECT

private slots:
    void childLabels_data();
    void childLabels();
    void backgroundIsLessTranslucentThanFrame();
    void portraitFillsItsLabel();
    void profileStructure();
    void textStartsTopLeftAndWraps();
    void linkGoesToDesktop();
};

void tst_rvAbout::childLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("portrait") << QStringLiteral("label") << QRect(290, 0, 111, 171);
    QTest::newRow("profile") << QStringLiteral("label_2") << QRect(10, 10, 261, 281);
}

void tst_rvAbout::childLabels() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    rvAbout page;
    QCOMPARE(page.size(), QSize(400, 300));
    QCOMPARE(page.objectName(), QStringLiteral("rvAbout"));
    QCOMPARE(page.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    auto* label = page.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(label);
    QCOMPARE(label->geometry(), geometry);
    QVERIFY(label->hasScaledContents());
}

void tst_rvAbout::backgroundIsLessTranslucentThanFrame() {
    rvAbout page;
    QCOMPARE(page.palette().brush(QPalette::Active, QPalette::Window).color(),
             QColor(255, 255, 255, 225));
    QCOMPARE(page.palette().brush(QPalette::Inactive, QPalette::Window).color(),
             QColor(255, 255, 255, 225));

    const QImage image = renderOver(page, Qt::black);
    // White at alpha 225 over black, in a corner no label covers.
    const QColor shown = image.pixelColor(380, 290);
    QVERIFY2(qAbs(shown.red() - 225) <= 1, qPrintable(shown.name()));
}

void tst_rvAbout::portraitFillsItsLabel() {
    rvAbout page;
    auto* label = page.findChild<QLabel*>(QStringLiteral("label"));
    QCOMPARE(label->pixmap().size(), QSize(300, 464));
    QVERIFY(label->text().isEmpty());

    const QImage expected =
        label->pixmap()
            .scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .toImage();
    const QImage shown = renderOver(page, Qt::magenta).copy(label->geometry());
    // The label reaches one column past the 400-pixel page, so its last column is clipped.
    for (const QPoint& point :
         {QPoint(0, 0), QPoint(109, 0), QPoint(55, 85), QPoint(0, 170), QPoint(109, 170)}) {
        const QColor a = shown.pixelColor(point);
        const QColor b = expected.pixelColor(point);
        QVERIFY2(qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
                     qAbs(a.blue() - b.blue()) <= 2,
                 qPrintable(QStringLiteral("at %1,%2").arg(point.x()).arg(point.y())));
    }
}

void tst_rvAbout::profileStructure() {
    rvAbout page;
    auto* label = page.findChild<QLabel*>(QStringLiteral("label_2"));
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(label->wordWrap());
    QVERIFY(label->openExternalLinks());

    QTextDocument document;
    document.setHtml(label->text());
    QTextFrame* root = document.rootFrame();
    const QList<QTextFrame*> frames = root->childFrames();
    QCOMPARE(frames.size(), 1);
    auto* table = qobject_cast<QTextTable*>(frames.first());
    QVERIFY(table);
    QCOMPARE(table->rows(), 1);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->format().border(), 0.0);
    QCOMPARE(table->format().cellSpacing(), 2.0);
    QCOMPARE(table->format().cellPadding(), 0.0);

    const QTextTableCell empty = table->cellAt(0, 0);
    QVERIFY(document.toPlainText().size() > 0);
    QTextCursor cursor = empty.firstCursorPosition();
    cursor.setPosition(empty.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QVERIFY(cursor.selectedText().isEmpty());

    const QTextTableCell profile = table->cellAt(0, 1);
    cursor = profile.firstCursorPosition();
    cursor.setPosition(profile.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    const QStringList lines = cursor.selectedText().split(QChar::LineSeparator);
    QCOMPARE(lines.size(), 9);
    QVERIFY(!lines.at(0).isEmpty());
    QVERIFY(lines.at(1).isEmpty());
    QVERIFY(!lines.at(2).isEmpty());
    QVERIFY(lines.at(3).isEmpty());
    for (int i = 4; i < 9; ++i)
        QVERIFY2(lines.at(i).startsWith(QLatin1Char('-')), qPrintable(lines.at(i)));

    const QString html = label->text();
    const QRegularExpression anchor(QStringLiteral("<a href=\"([^\"]+)\">(.*?)</a>"));
    const QRegularExpressionMatch match = anchor.match(html);
    QVERIFY(match.hasMatch());
    QVERIFY(!anchor.match(html, match.capturedEnd()).hasMatch());
    QTextDocument linkText;
    linkText.setHtml(match.captured(2));
    QCOMPARE(linkText.toPlainText(), match.captured(1));
}

void tst_rvAbout::textStartsTopLeftAndWraps() {
    rvAbout page;
    auto* label = page.findChild<QLabel*>(QStringLiteral("label_2"));
    const QImage image = renderOver(page, Qt::white);
    const QRect area = label->geometry();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!QRect(290, 0, 111, 171).contains(x, y) && isInk(image.pixelColor(x, y)))
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(area.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                .arg(ink.x())
                                                .arg(ink.y())
                                                .arg(ink.width())
                                                .arg(ink.height())));
    QVERIFY(ink.top() - area.top() < 8);
    QVERIFY(ink.left() - area.left() < 8);
    // Wrapped lines use the label's width rather than running past it.
    QVERIFY(ink.right() > area.left() + area.width() / 2);
}

void tst_rvAbout::linkGoesToDesktop() {
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    rvAbout page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* label = page.findChild<QLabel*>(QStringLiteral("label_2"));
    const QImage image = label->grab().toImage();
    QPoint link(-1, -1);
    for (int y = 0; y < image.height() && link.x() < 0; ++y)
        for (int x = 0; x < image.width() && link.x() < 0; ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.blue() > 200 && color.red() < 60 && color.green() < 60)
                link = QPoint(x, y);
        }
    QVERIFY2(link.x() >= 0, "no blue link text drawn");
    const QString before = label->text();

    QTest::mouseClick(label, Qt::LeftButton, {}, link);

    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened.size(), 1);
    QVERIFY(before.contains(catcher.opened.first().toString()));
    QCOMPARE(label->text(), before);
    // The focused link shows as a selection with a focus frame: not after a click, only when
    // the keyboard brings focus to it.
    QTRY_VERIFY(!label->hasSelectedText());
    QTest::keyClick(label, Qt::Key_Tab);
    QVERIFY(label->hasSelectedText());
}

QTEST_MAIN(tst_rvAbout)
#include "tst_rvAbout.moc"
