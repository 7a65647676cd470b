// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBoxTop.h"
#include "pzPrivate.h"

#include <QPointer>

class QHBoxLayout;

class pzBoxTopPrivate : public pzPrivate {
    PZ_DECLARE_PUBLIC(pzBoxTop)

public:
    void createButtons();
    // Wires the buttons to the box's slots.
    void connectButtons();
    // A window button's words for assistive technology and its tooltip, as on native title bars.
    static void describe(QWidget* button, const QString& words);
    // Tells assistive technology that the program button's panel opened or closed.
    static void announcePanel(QWidget* programButton);
    // The maximize button's picture and words follow the box's state: "Restore" while it is
    // maximized.
    void showMaximized(bool maximized);

    QHBoxLayout* topLayout = nullptr;
    // Tracked: the accessors hand the buttons out, and a caller may delete them.
    QPointer<pzFadeTextButton> programButton;
    QPointer<pzFadeButton> iconifyButton;
    QPointer<pzFadeButton> minimizeButton;
    QPointer<pzFadeButton> closeButton;
    pzBox* box = nullptr;
};
