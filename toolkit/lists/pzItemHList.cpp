// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemHList.h"

#include "pzItemHList_p.h"

pzItemHList::pzItemHList(QWidget* parent)
    : pzItemList(new pzItemHListPrivate, QBoxLayout::LeftToRight, parent) {}
