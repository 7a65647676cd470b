// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxPanel.h"

#include "pzBoxPanel_p.h"
#include "pzMenu.h"
#include "pzScrollArea.h"
#include "pzSplitter.h"

#include <QVBoxLayout>

pzBoxPanel::pzBoxPanel(QWidget* parent)
    : QWidget(parent)
    , pzPrivatable(new pzBoxPanelPrivate) {
    Q_D(pzBoxPanel);
    d->panelLayout = new QVBoxLayout(this);
    d->panelLayout->setContentsMargins(0, 0, 0, 0);
    d->splitter = new pzSplitter;
    d->pageArea = new pzScrollArea;
    d->list = new pzMenu(d->pageArea);
    d->splitter->addWidget(d->list);
    d->splitter->addWidget(d->pageArea);
    d->splitter->setCollapsible(0, false);
    d->splitter->setStretchFactor(0, 0);
    d->splitter->setCollapsible(1, false);
    d->splitter->setStretchFactor(1, 1);
    d->splitter->setWidgetSize(0, pzBoxPanelPrivate::ListWidth);
    QWidget* handle = d->splitter->handle(1);
    handle->setAccessibleName(tr("Menu width"));
    handle->setAccessibleDescription(tr("Drag to make the menu narrower or wider"));
    d->panelLayout->addWidget(d->splitter, 0);
}

pzBoxPanel::~pzBoxPanel() = default;

pzListWidget* pzBoxPanel::list() const {
    return d_func()->list;
}
