// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzItemHList.h"
#include "pzItemList_p.h"

class pzItemHListPrivate : public pzItemListPrivate {};
