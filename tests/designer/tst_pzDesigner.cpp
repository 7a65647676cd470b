// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "ui_pzForm.h"

#include <QPluginLoader>
#include <QSet>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class tst_pzDesigner : public QObject {
    Q_OBJECT

private slots:
    void formBuiltByUicShowsEveryWidget();
    void pluginCreatesEveryWidget();
};

void tst_pzDesigner::formBuiltByUicShowsEveryWidget() {
    QWidget form;
    Ui::pzForm ui;
    ui.setupUi(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QList<QWidget*> widgets = {ui.fadeButton, ui.text,      ui.picture,   ui.fadeTextButton,
                                     ui.frame,      ui.itemHList, ui.itemVList, ui.scrollArea,
                                     ui.listWidget, ui.splitter};
    for (QWidget* widget : widgets) {
        QVERIFY2(widget->isVisible(), widget->metaObject()->className());
    }
    QCOMPARE(ui.fadeTextButton->text(), QStringLiteral("About"));
    QCOMPARE(ui.frameLabel->parentWidget(), ui.frame);
}

void tst_pzDesigner::pluginCreatesEveryWidget() {
    QPluginLoader loader(QStringLiteral(PZTOOLS_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    QVERIFY2(collection, qPrintable(loader.errorString()));

    QSet<QString> names;
    QWidget parent;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        names.insert(widget->name());
        QCOMPARE(widget->group(), QStringLiteral("pzTools"));
        QVERIFY(!widget->icon().isNull());
        QVERIFY(!widget->toolTip().isEmpty());
        QWidget* created = widget->createWidget(&parent);
        QCOMPARE(created->metaObject()->className(), widget->name());
        QCOMPARE(created->parentWidget(), &parent);
    }
    const QSet<QString> expected = {
        "pzFadeButton", "pzFadeTextButton", "pzFrame",      "pzText",       "pzPicture",
        "pzItemHList",  "pzItemVList",      "pzScrollArea", "pzListWidget", "pzSplitter"};
    QCOMPARE(names, expected);
}

QTEST_MAIN(tst_pzDesigner)
#include "tst_pzDesigner.moc"
