// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "ldDemoWindow.h"

#include "ldDemoPage.h"
#include "pzFadeButton.h"
#include "pzFadeTextButton.h"
#include "pzListInterface.h"
#include "pzMenu.h"
#include "pzScrollArea.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ldDemoWindow::ldDemoWindow(QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(tr("pzTools list demo"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(40, 48, 56));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    mPageArea = new pzScrollArea;
    mPageArea->setObjectName(QStringLiteral("pageArea"));
    mMenu = new pzMenu(mPageArea);
    mMenu->setObjectName(QStringLiteral("menu"));
    mMenu->setFixedWidth(160);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(6);
    body->addWidget(mMenu);
    body->addWidget(mPageArea, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(makeButtonRow());
    layout->addLayout(body, 1);

    mPage = new ldDemoPage(this);
    mMenu->interface()->setPage(mPage);
    resize(520, 360);
}

QWidget* ldDemoWindow::makeButtonRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    mMenuButton = new pzFadeTextButton(QString(), QString());
    mMenuButton->setObjectName(QStringLiteral("menuButton"));
    mMenuButton->setIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));
    mMenuButton->setText(tr("<font color=\"white\"><b>List demo</b></font>"));
    mMenuButton->setCheckable(true);
    mMenuButton->setChecked(true);
    connect(mMenuButton, &QAbstractButton::toggled, this, [this](bool shown) {
        mMenu->setVisible(shown);
        mPageArea->setVisible(shown);
    });

    mCloseButton = new pzFadeButton(QStringLiteral(":/iconClose.png"));
    mCloseButton->setObjectName(QStringLiteral("closeButton"));
    mCloseButton->setBackColorPush(QColor(200, 0, 0));
    connect(mCloseButton, &QAbstractButton::clicked, this, &QWidget::close);

    layout->addWidget(mMenuButton, 0, Qt::AlignLeft);
    layout->addStretch(1);
    layout->addWidget(mCloseButton);
    return row;
}
