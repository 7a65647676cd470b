// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvPrivatable.h"

rvPrivatable::rvPrivatable(Handle handle)
    : mHandle(handle) {
    if (mHandle.record)
        mHandle.record->owner = this;
}

rvPrivatable::~rvPrivatable() {
    if (mHandle.record)
        mHandle.destroy(mHandle.record);
}
