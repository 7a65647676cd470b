// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzSplitter.h"

#include "pzSplitterHandle.h"
#include "pzSplitter_p.h"

pzSplitter::pzSplitter(QWidget* parent)
    : QSplitter(parent)
    , pzPrivatable(new pzSplitterPrivate) {}

pzSplitter::~pzSplitter() = default;

void pzSplitter::setWidgetSize(int index, int size) {
    if (index < 0 || index >= count())
        return;
    QList<int> sectionSizes = sizes();
    sectionSizes[index] = size;
    setSizes(sectionSizes);
}

QSplitterHandle* pzSplitter::createHandle() {
    return new pzSplitterHandle(orientation(), this);
}
