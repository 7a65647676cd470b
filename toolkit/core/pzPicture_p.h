// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Not public API: this header may change from one version to the next.

#include "pzPicture.h"
#include "pzPrivate.h"

class pzPicturePrivate : public pzPrivate {};
