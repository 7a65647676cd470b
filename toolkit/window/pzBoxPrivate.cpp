// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBox_p.h"

#include "pzBoxTop.h"
#include "pzBoxTop_p.h"
#include "pzDynamicWidget.h"
#include "pzListItem.h"
#include "pzListMenu.h"
#include "pzLook_p.h"

#include <QGuiApplication>
#include <QVBoxLayout>

void pzBoxPrivate::init() {
    Q_Q(pzBox);
    q->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    contentHolder = new pzDynamicWidget(q);
    const int rim = pzLook::rimWidth;
    contentHolder->layout()->setContentsMargins(rim, rim, rim, rim);

    mainLayout = new QVBoxLayout(q);
    mainLayout->setContentsMargins(rim, rim, rim, rim);
    mainLayout->setSpacing(0);

    frame = std::make_unique<pzBoxFrame>(q);
    placement = std::make_unique<pzBoxPlacement>(q);
    windowState = std::make_unique<pzBoxWindowState>(q, frame.get(), placement.get());
    drag = pzWindowDrag(q, {});

    boxTop = new pzBoxTop(q);
    mainLayout->addWidget(boxTop, 1, Qt::AlignTop);
    // The side handles reach 2 pixels into the window past the rim, over the title bar's
    // buttons too; presses there belong to the buttons.
    frame->keepClearOf(titleBarButtons());
    placement->setTitleBar(boxTop);

    panel = new pzBoxPanel;
    mainLayout->addWidget(panel, 10);
    panel->setVisible(false);

    updateMinimumSize();
    q->resize(400, 300);
    q->pzBox::setWindowIcon(QIcon(QStringLiteral(":/niraLogoWhiteSmall.png")));

    placement->followScreens();
}

void pzBoxPrivate::updateMinimumSize() {
    pzBox* q = q_func();
    if (!mainLayout)
        return;
    // The title's new width has to reach the layouts now, not when their posted requests run.
    if (boxTop) {
        if (QWidget* button = boxTop->programButton())
            button->updateGeometry();
        boxTop->updateGeometry();
    }
    const QSize needed = mainLayout->totalMinimumSize();
    // The offscreen platform takes no size hints: once the window exists it warns at every
    // change of them.
    if (q->windowHandle() && QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    q->setMinimumSize(needed);
}

pzFadeTextButton* pzBoxPrivate::programButton() const {
    return boxTop ? boxTop->programButton() : nullptr;
}

QList<QWidget*> pzBoxPrivate::titleBarButtons() const {
    if (!boxTop)
        return {};
    QList<QWidget*> buttons{boxTop->programButton(), boxTop->iconifyButton(),
                            boxTop->minimizeButton(), boxTop->closeButton()};
    buttons.removeAll(nullptr);
    return buttons;
}

void pzBoxPrivate::setPanelShown(bool shown) {
    if (!panel)
        return;
    const bool changes = panel->isHidden() == shown;
    panel->setVisible(shown);
    if (QWidget* button = programButton(); changes && button)
        pzBoxTopPrivate::announcePanel(button);
    // The bar takes the room the hidden panel leaves.
    if (mainLayout && boxTop)
        mainLayout->setStretchFactor(boxTop, shown ? 0 : 1);
    updateMinimumSize();
}

bool pzBoxPrivate::closeShownPage() {
    auto* menu = qobject_cast<pzListMenu*>(menuPage.data());
    pzListItem* item = menu ? menu->currentItem() : nullptr;
    if (!item)
        return false;
    // Focus inside the page would otherwise wander off with the page.
    if (item->isVisible())
        item->setFocus(Qt::OtherFocusReason);
    menu->unselectItem(item);
    return true;
}
