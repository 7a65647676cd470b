// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSplitter>

class pzSplitterPrivate;

/// A splitter with translucent black handles that can set one section's size by index.
///
/// Its handles (pzSplitterHandle) match the title bar's look, and setWidgetSize() sets one section
/// without working out the sizes of all the others, as QSplitter::setSizes() needs. The side panel
/// (pzBoxPanel) keeps its menu list and its page area apart with one.
/// \code
/// auto* splitter = new pzSplitter(parent);
/// splitter->addWidget(list);
/// splitter->addWidget(details);
/// splitter->setWidgetSize(0, 150);
/// \endcode
class PZTOOLS_EXPORT pzSplitter : public QSplitter, public pzPrivatable {
    Q_OBJECT

public:
    /// A horizontal splitter. A null `parent` makes a top-level widget.
    explicit pzSplitter(QWidget* parent = nullptr);
    /// Destroys the splitter and its widgets.
    ~pzSplitter() override;

    /// Sets the size of the section at `index` to `size` pixels, keeping the others; an index with
    /// no widget changes nothing.
    void setWidgetSize(int index, int size);

protected:
    /// A pzSplitterHandle with the splitter's current orientation.
    QSplitterHandle* createHandle() override;

private:
    PZ_DECLARE_PRIVATE(pzSplitter)
};
