// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzDynamicWidget.h"
#include "pzPrivate.h"

#include <QPointer>

class QVBoxLayout;

class pzDynamicWidgetPrivate : public pzPrivate {
public:
    QVBoxLayout* contentLayout = nullptr;
    // Tracked, so that an inner widget deleted by someone else counts as none.
    QPointer<QWidget> widget;
};
