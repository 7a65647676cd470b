// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSplitterHandle>

class pzSplitterHandlePrivate;

/// A splitter handle painted as a plain translucent black bar.
///
/// pzSplitter makes one between each two of its widgets; a program does not create one itself. It
/// keeps QSplitterHandle's dragging, cursor and accessibility; only its painting differs: black at
/// alpha 150, like the title bar.
class PZTOOLS_EXPORT pzSplitterHandle : public QSplitterHandle, public pzPrivatable {
    Q_OBJECT

public:
    /// A handle of `parent` (normally made by pzSplitter::createHandle()).
    pzSplitterHandle(Qt::Orientation orientation, QSplitter* parent);
    /// Destroys the handle.
    ~pzSplitterHandle() override;

protected:
    /// Paints the handle black at alpha 150.
    void paintEvent(QPaintEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzSplitterHandle)
};
