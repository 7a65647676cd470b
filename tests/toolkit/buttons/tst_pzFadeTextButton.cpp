// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFadeTextButton.h"

#include "testHost.h"

#include <QEnterEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

QLabel* labelOf(pzFadeTextButton& button) {
    return button.findChild<QLabel*>(QStringLiteral("label"));
}

} // namespace

using testHost::enter;
using testHost::leave;

class tst_pzFadeTextButton : public QObject {
    Q_OBJECT

private slots:
    void defaultButtonHasNoIconAndPlaceholderText();
    void textSitsBesideTheIcon();
    void emptyTextKeepsBothSpacings();
    void clickOnTextClicksTheButton();
    void hoverUnderlinesAndShowsHand();
    void leaveRestoresArrowWhateverWasSet();
    void richTextKeepsItsMarkup();
    void keepsTheFadeButtonLooks();
    void rightToLeftIconLeadsAtTheRight();
};

void tst_pzFadeTextButton::defaultButtonHasNoIconAndPlaceholderText() {
    pzFadeTextButton button;
    QCOMPARE(button.text(), QStringLiteral("text"));
    QVERIFY(button.path().isEmpty());
    QVERIFY(button.icon().isNull());
    QCOMPARE(button.sizeHint(), QSize(22, 22));
    QVERIFY(labelOf(button));
    QCOMPARE(labelOf(button)->parentWidget(), &button);
    QVERIFY(button.qt_metacast("pzFadeButton"));
}

void tst_pzFadeTextButton::textSitsBesideTheIcon() {
    QWidget host;
    pzFadeTextButton button(QString(), QStringLiteral("Caption"), &host);
    QLabel* label = labelOf(button);
    QVERIFY(button.minimumSizeHint().width() >= 26 + label->sizeHint().width() + 6);
    button.resize(button.minimumSizeHint().width(), 60);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(label->x(), 26);
    // Vertically centred: equal room above and below, give or take the odd pixel.
    QVERIFY(qAbs(label->y() - (60 - label->y() - label->height())) <= 1);
}

void tst_pzFadeTextButton::emptyTextKeepsBothSpacings() {
    pzFadeTextButton button{QString(), QString()};
    QVERIFY(button.minimumSizeHint().width() >= 32);
}

void tst_pzFadeTextButton::clickOnTextClicksTheButton() {
    QWidget host;
    pzFadeTextButton button(QString(), QStringLiteral("A rather long caption"), &host);
    button.resize(button.minimumSizeHint());
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QLabel* label = labelOf(button);
    QVERIFY(label->x() >= 26);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(clicked.count(), 1);
    QVERIFY(button.pushed());
}

void tst_pzFadeTextButton::hoverUnderlinesAndShowsHand() {
    pzFadeTextButton button;
    enter(button);
    QVERIFY(button.entered());
    QVERIFY(labelOf(button)->font().underline());
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(labelOf(button)->cursor().shape(), Qt::PointingHandCursor);

    leave(button);
    QVERIFY(!button.entered());
    QVERIFY(!labelOf(button)->font().underline());
}

void tst_pzFadeTextButton::leaveRestoresArrowWhateverWasSet() {
    pzFadeTextButton button;
    button.setCursor(Qt::CrossCursor);
    enter(button);
    leave(button);
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
}

void tst_pzFadeTextButton::richTextKeepsItsMarkup() {
    const QString markup = QStringLiteral("<font color=\"white\"><b>Verrin</b></font>");
    pzFadeTextButton button;
    button.setText(markup);
    QCOMPARE(button.text(), markup);
    // Shown formatted, the tags take no room.
    QLabel* label = labelOf(button);
    QVERIFY(label->sizeHint().width() < label->fontMetrics().horizontalAdvance(markup) / 2);
}

void tst_pzFadeTextButton::keepsTheFadeButtonLooks() {
    QWidget host;
    pzFadeTextButton button(QString(), QStringLiteral("x"), &host);
    button.setCheckable(true);
    button.setChecked(true);
    button.resize(60, 22);
    // The label draws no background of its own, so the checked colour shows around the text.
    const QImage image = button.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::black));
    QCOMPARE(image.pixelColor(58, 2), QColor(Qt::black));
}

// Mirrored with its label, the icon stays clear of the text.
void tst_pzFadeTextButton::rightToLeftIconLeadsAtTheRight() {
    QWidget host;
    host.setLayoutDirection(Qt::RightToLeft);
    QPixmap white(22, 22);
    white.fill(Qt::white);
    pzFadeTextButton button(QString(), QStringLiteral("Caption"), &host);
    button.setIcon(QIcon(white));
    button.resize(button.minimumSizeHint().width(), 22);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QRect icon(button.width() - 22, 0, 22, 22);
    QVERIFY(!labelOf(button)->geometry().intersects(icon));
    QCOMPARE(button.grab().toImage().pixelColor(icon.center()), QColor(Qt::white));
}

QTEST_MAIN(tst_pzFadeTextButton)
#include "tst_pzFadeTextButton.moc"
