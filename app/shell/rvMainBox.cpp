// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainBox.h"

#include "rvMainBox_p.h"
#include "rvMainContent.h"
#include "rvMainPage.h"
#include "rvRandom.h"

#include <QApplication>
#include <QDateTime>
#include <QShortcut>

rvMainBox::rvMainBox(QWidget* parent)
    : pzBox(parent)
    , rvPrivatable(rvPrivatable::own(new rvMainBoxPrivate)) {
    Q_D(rvMainBox);
    setTitle(tr("Verrin - Oren Vale"));
    d->menuPage = new rvMainPage(this);
    setMenu(d->menuPage);
    d->content = new rvMainContent(this);
    setContent(d->content);
    resize(QSize(900, 644));
    centerOnScreen();
    togglePanel();
    rvRandom::seed(QDateTime::currentDateTime().toSecsSinceEpoch());
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, qApp, &QApplication::closeAllWindows);
}

rvMainBox::~rvMainBox() = default;
