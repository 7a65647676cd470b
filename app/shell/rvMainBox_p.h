// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "rvMainBox.h"

class rvMainContent;
class rvMainPage;

// Both objects are Qt children of the window and die with it.
struct rvMainBoxPrivate : rvRecord {
    rvMainPage* menuPage = nullptr;
    rvMainContent* content = nullptr;
};
