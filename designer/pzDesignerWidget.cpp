// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzDesignerWidget.h"

#include <QIcon>

pzDesignerWidget::pzDesignerWidget(const Entry& entry, QObject* parent)
    : QObject(parent)
    , mEntry(entry) {}

QString pzDesignerWidget::name() const {
    return QString::fromLatin1(mEntry.name);
}

QString pzDesignerWidget::group() const {
    return QStringLiteral("pzTools");
}

QString pzDesignerWidget::toolTip() const {
    return QString::fromLatin1(mEntry.description);
}

QString pzDesignerWidget::whatsThis() const {
    return toolTip();
}

// The installed headers sit flat in one folder on the include path of pzTools::pzTools.
QString pzDesignerWidget::includeFile() const {
    return name() + QStringLiteral(".h");
}

// The toolkit's logo, compiled into the library this plugin links: dark on transparent, so it
// shows on Designer's light widget box.
QIcon pzDesignerWidget::icon() const {
    return QIcon(QStringLiteral(":/niraLogo.png"));
}

bool pzDesignerWidget::isContainer() const {
    return mEntry.container;
}

QWidget* pzDesignerWidget::createWidget(QWidget* parent) {
    return mEntry.create(parent);
}

bool pzDesignerWidget::isInitialized() const {
    return mInitialized;
}

void pzDesignerWidget::initialize(QDesignerFormEditorInterface*) {
    mInitialized = true;
}
