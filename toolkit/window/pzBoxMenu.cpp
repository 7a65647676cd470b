// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzBoxMenu_p.h"

#include "pzBox.h"
#include "pzLook_p.h"
#include "pzWindowSystem_p.h"

#include <QContextMenuEvent>

pzBoxMenu::pzBoxMenu(pzBox* box)
    : QMenu(box) {
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, pzLook::menuColor);
        palette.setColor(group, QPalette::Base, pzLook::menuColor);
        palette.setColor(group, QPalette::Highlight, pzLook::fadeHoverColor);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::white);
        palette.setColor(group, QPalette::ButtonText, Qt::white);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, pzLook::menuDisabledTextColor);
    // The style etches disabled text with the light colour; on the dark menu that is a glare.
    palette.setColor(QPalette::Disabled, QPalette::Light, pzLook::menuColor);
    setPalette(palette);

    const bool maximized = box->isMaximized();
    addAction(tr("Restore"), box, &pzBox::showNormal)->setEnabled(maximized);
    addAction(tr("Minimize"), box, &QWidget::showMinimized);
    addAction(tr("Maximize"), box, &pzBox::showMaximized)->setEnabled(!maximized);
    addSeparator();
    addAction(tr("Close"), box, &QWidget::close);
}

bool pzBoxMenu::openFor(pzBox* box, QWidget* titleBar, const QContextMenuEvent* event) {
    QPoint globalPos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QWidget* focused = box->focusWidget();
        if (!focused || !titleBar->isAncestorOf(focused))
            return false;
        globalPos = focused->mapToGlobal(QPoint(0, focused->height()));
    } else {
        const QPoint barPos = titleBar->mapFrom(box, event->pos());
        if (!titleBar->rect().contains(barPos) || titleBar->childAt(barPos))
            return false;
    }
    if (!pzWindowSystem::showWindowMenu(box, globalPos))
        (new pzBoxMenu(box))->popup(globalPos);
    return true;
}
