// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPushRecord_p.h"

#include "pzLook_p.h"

#include <QWidget>

void pzPushRecord::press(QWidget* widget) {
    pushed = true;
    widget->update();
    pushTimer.stop();
}

void pzPushRecord::release() {
    pushTimer.start(pzLook::pushMilliseconds);
}

void pzPushRecord::resetPushed(QWidget* widget) {
    pushTimer.stop();
    pushed = false;
    widget->update();
}
