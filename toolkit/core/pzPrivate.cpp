// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPrivate.h"

pzPrivate::~pzPrivate() = default;
