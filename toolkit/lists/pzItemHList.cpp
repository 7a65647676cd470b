// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemHList.h"

pzItemHList::pzItemHList(QWidget* parent)
    : pzItemList(QBoxLayout::LeftToRight, parent) {}
