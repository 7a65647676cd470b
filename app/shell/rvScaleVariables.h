// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Drops each of Qt's scaling variables (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS, QT_FONT_DPI)
// whose value no screen can use, with one line on stderr for each, so that Qt starts at its own
// scale instead of crashing or drawing nothing. To be called before the application is created.
void rvDropUnusableScaleVariables();
