// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvMainPage.h"

#include "pzListItem.h"

#include <QPointer>

// The entries belong to the list widget that shows them, not to this record.
struct rvMainPagePrivate : rvRecord {
    QPointer<pzListItem> aboutItem;
    QPointer<pzListItem> exitItem;
};
