// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPrivatable.h"

#include "pzPrivate.h"

pzPrivatable::pzPrivatable(pzPrivate* record)
    : mRecord(record) {
    if (mRecord)
        mRecord->owner = this;
}

pzPrivatable::~pzPrivatable() {
    delete mRecord;
}
