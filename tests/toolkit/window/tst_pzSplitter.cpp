// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSplitter.h"
#include "pzSplitterHandle.h"

#include <QImage>
#include <QTest>

namespace {

// A splitter that exposes its protected handle factory.
class SplitterProbe : public pzSplitter {
public:
    using pzSplitter::createHandle;
};

} // namespace

class tst_pzSplitter : public QObject {
    Q_OBJECT

private slots:
    void setWidgetSizeIgnoresBadIndex_data();
    void setWidgetSizeIgnoresBadIndex();
    void setWidgetSizeFixesNonStretchingSection();
    void handlesFollowCurrentOrientation();
    void handlePaintsTranslucentBlackBar_data();
    void handlePaintsTranslucentBlackBar();
};

void tst_pzSplitter::setWidgetSizeIgnoresBadIndex_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("beyond") << 7;
}

void tst_pzSplitter::setWidgetSizeIgnoresBadIndex() {
    QFETCH(int, index);
    pzSplitter splitter;
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.resize(400, 100);
    splitter.setSizes({120, 275});
    const QList<int> before = splitter.sizes();

    splitter.setWidgetSize(index, 50);

    QCOMPARE(splitter.sizes(), before);
}

void tst_pzSplitter::setWidgetSizeFixesNonStretchingSection() {
    pzSplitter splitter;
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.setStretchFactor(0, 0);
    splitter.setStretchFactor(1, 1);
    splitter.resize(600, 100);
    splitter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splitter));

    splitter.setWidgetSize(0, 150);
    QCOMPARE(splitter.widget(0)->width(), 150);

    splitter.resize(900, 100);
    QTRY_COMPARE(splitter.widget(1)->width(), 900 - 150 - splitter.handleWidth());
    QCOMPARE(splitter.widget(0)->width(), 150);
}

void tst_pzSplitter::handlesFollowCurrentOrientation() {
    SplitterProbe splitter;
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    auto* first = qobject_cast<pzSplitterHandle*>(splitter.handle(1));
    QVERIFY(first);
    QCOMPARE(first->orientation(), Qt::Horizontal);
    QCOMPARE(first->parentWidget(), &splitter);

    splitter.setOrientation(Qt::Vertical);
    splitter.addWidget(new QWidget);
    auto* second = qobject_cast<pzSplitterHandle*>(splitter.handle(2));
    QVERIFY(second);
    QCOMPARE(second->orientation(), Qt::Vertical);

    std::unique_ptr<QSplitterHandle> made(splitter.createHandle());
    QVERIFY(qobject_cast<pzSplitterHandle*>(made.get()));
    QCOMPARE(made->orientation(), Qt::Vertical);
}

void tst_pzSplitter::handlePaintsTranslucentBlackBar_data() {
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::newRow("horizontal") << Qt::Horizontal;
    QTest::newRow("vertical") << Qt::Vertical;
}

void tst_pzSplitter::handlePaintsTranslucentBlackBar() {
    QFETCH(Qt::Orientation, orientation);
    QWidget backdrop;
    backdrop.setAutoFillBackground(true);
    QPalette palette = backdrop.palette();
    palette.setColor(QPalette::Window, Qt::white);
    backdrop.setPalette(palette);
    backdrop.resize(40, 40);
    auto* splitter = new pzSplitter(&backdrop);
    splitter->setOrientation(orientation);
    splitter->addWidget(new QWidget);
    splitter->addWidget(new QWidget);
    splitter->setGeometry(0, 0, 40, 40);
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    QSplitterHandle* handle = splitter->handle(1);
    QVERIFY(handle->width() > 0 && handle->height() > 0);
    const QImage image = backdrop.grab().toImage();
    const QPoint middle = handle->geometry().center() + splitter->pos();
    // Black at alpha 150 over white: 255 * (1 - 150 / 255) = 105.
    const QColor shown = image.pixelColor(middle);
    QVERIFY2(qAbs(shown.red() - 105) <= 1, qPrintable(shown.name()));
    QCOMPARE(shown.red(), shown.green());
    QCOMPARE(shown.green(), shown.blue());
    const QColor corner = image.pixelColor(handle->geometry().topLeft() + splitter->pos());
    QCOMPARE(corner, shown);
}

QTEST_MAIN(tst_pzSplitter)
#include "tst_pzSplitter.moc"
