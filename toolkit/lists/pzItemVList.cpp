// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemVList.h"

pzItemVList::pzItemVList(QWidget* parent)
    : pzItemList(QBoxLayout::TopToBottom, parent) {}
