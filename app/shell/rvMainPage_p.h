#pragma once

// Not public API: this header may change from one version to the next.

#include "rvMainPage.h"

class pzListItem;

// The entries belong to the list widget that shows them, not to this record.
struct rvMainPagePrivate : rvRecord {
    pzListItem* aboutItem = nullptr;
    pzListItem* exitItem = nullptr;
};
