// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPrivate.h"

#include <QTimer>

class QWidget;

// The part of a record that the fade button and the list item share: the hover flag and the
// pressed look, which lasts until pzLook::pushMilliseconds after the release.
class pzPushRecord : public pzPrivate {
public:
    void press(QWidget* widget);
    void release();
    // What the widget's resetPushed() slot does when pushTimer fires.
    void resetPushed(QWidget* widget);

    bool entered = false;
    bool pushed = false;
    QTimer pushTimer;
};
