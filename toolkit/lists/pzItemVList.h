// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzItemList.h"
#include "pzToolsExport.h"

class pzItemVListPrivate;

/// An item list that lines up its entries from top to bottom.
///
/// pzListWidget lines up a page's widgets in one; see pzItemList for its calls and an example.
class PZTOOLS_EXPORT pzItemVList : public pzItemList {
    Q_OBJECT

public:
    /// An empty column. A null `parent` makes a top-level widget.
    explicit pzItemVList(QWidget* parent = nullptr);

private:
    PZ_DECLARE_PRIVATE(pzItemVList)
};
