// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzFrameMenu.h"
#include "pzPrivate.h"

#include <QPointer>

class pzFrameMenuPrivate : public pzPrivate {
public:
    // Null once a caller has deleted the holder: the frame menu then shows nothing. Cast with
    // qobject_cast, which also answers null while the holder's QWidget destructor runs (its
    // children's destroyed() reach the frame menu then).
    pzDynamicWidget* holder() const { return qobject_cast<pzDynamicWidget*>(dynamicWidget.data()); }

    QPointer<QWidget> dynamicWidget;
    int margin = 2;
    // The shown widget's end, which empties the frame menu.
    QMetaObject::Connection widgetWatch;
};
