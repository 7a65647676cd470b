// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzFrame.h"
#include "pzPicture.h"
#include "pzText.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class tst_pzCoreWidgets : public QObject {
    Q_OBJECT

private slots:
    void frameStartsTranslucentWhiteInEveryGroup();
    void frameSettersChangeOnlyTheirRole_data();
    void frameSettersChangeOnlyTheirRole();
    void textLetsClicksThroughToItsButton();
    void textKeepsLabelBehaviourOtherwise();
    void pictureShowsItsImageAtNaturalSize();
    void pictureWithBadPathIsEmpty();
};

void tst_pzCoreWidgets::frameStartsTranslucentWhiteInEveryGroup() {
    QWidget parent;
    QPalette parentPalette = parent.palette();
    parentPalette.setColor(QPalette::Base, Qt::darkCyan);
    parent.setPalette(parentPalette);

    pzFrame frame(&parent);
    const QPalette palette = frame.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(palette.color(group, QPalette::Window), QColor(255, 255, 255, 200));
        QCOMPARE(palette.color(group, QPalette::Base), QColor(Qt::darkCyan));
        QCOMPARE(palette.color(group, QPalette::WindowText),
                 parentPalette.color(group, QPalette::WindowText));
    }
    QCOMPARE(frame.frameShape(), QFrame::NoFrame);
    QVERIFY(!frame.autoFillBackground());
}

void tst_pzCoreWidgets::frameSettersChangeOnlyTheirRole_data() {
    QTest::addColumn<bool>("background");
    QTest::newRow("setBackgroundColor") << true;
    QTest::newRow("setFrameColor") << false;
}

void tst_pzCoreWidgets::frameSettersChangeOnlyTheirRole() {
    QFETCH(bool, background);
    pzFrame frame;
    const QPalette before = frame.palette();
    const QColor color(10, 20, 30, 40);
    if (background)
        frame.setBackgroundColor(color);
    else
        frame.setFrameColor(color);

    const QPalette::ColorRole changed = background ? QPalette::Window : QPalette::WindowText;
    const QPalette::ColorRole kept = background ? QPalette::WindowText : QPalette::Window;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(frame.palette().brush(group, changed), QBrush(color, Qt::SolidPattern));
        QCOMPARE(frame.palette().color(group, kept), before.color(group, kept));
        QCOMPARE(frame.palette().color(group, QPalette::Button),
                 before.color(group, QPalette::Button));
    }
}

void tst_pzCoreWidgets::textLetsClicksThroughToItsButton() {
    QPushButton button;
    button.resize(120, 40);
    auto* layout = new QVBoxLayout(&button);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new pzText(QStringLiteral("Caption"), &button);
    layout->addWidget(caption);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QSignalSpy clicked(&button, &QPushButton::clicked);
    const QPoint middle = caption->rect().center();
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(clicked.count(), 1);
}

void tst_pzCoreWidgets::textKeepsLabelBehaviourOtherwise() {
    pzText text(QStringLiteral("<b>bold</b>"));
    QCOMPARE(text.text(), QStringLiteral("<b>bold</b>"));
    QCOMPARE(text.textFormat(), Qt::AutoText);
    QVERIFY(text.inherits("pzPrivatable"));
}

void tst_pzCoreWidgets::pictureShowsItsImageAtNaturalSize() {
    pzPicture picture(QStringLiteral(":/iconClose.png"));
    QCOMPARE(picture.pixmap().size(), QSize(23, 22));
    QCOMPARE(picture.sizeHint(), QSize(23, 22));
    QVERIFY(!picture.hasScaledContents());
    QVERIFY(picture.inherits("pzPrivatable"));
}

void tst_pzCoreWidgets::pictureWithBadPathIsEmpty() {
    pzPicture picture(QStringLiteral(":/no-such-picture.png"));
    QVERIFY(picture.pixmap().isNull());
}

QTEST_MAIN(tst_pzCoreWidgets)
#include "tst_pzCoreWidgets.moc"
