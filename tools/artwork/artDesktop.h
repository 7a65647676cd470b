// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The program's icon for desktop menus: a small crossing of the city block.
namespace artDesktop {

QImage programIcon();

} // namespace artDesktop
