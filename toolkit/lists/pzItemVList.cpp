// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzItemVList.h"

#include "pzItemVList_p.h"

pzItemVList::pzItemVList(QWidget* parent)
    : pzItemList(new pzItemVListPrivate, QBoxLayout::TopToBottom, parent) {}
