// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// One toolkit widget as Qt Designer offers it, described by a line of the plugin's table.
class pzDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Entry {
        const char* name;
        const char* description;
        bool container;
        QWidget* (*create)(QWidget* parent);
    };

    pzDesignerWidget(const Entry& entry, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    const Entry& mEntry;
    bool mInitialized = false;
};
