// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzItemList.h"
#include "pzToolsExport.h"

class pzItemHListPrivate;

/// An item list that lines up its entries from left to right.
///
/// See pzItemList for its calls and an example.
class PZTOOLS_EXPORT pzItemHList : public pzItemList {
    Q_OBJECT

public:
    /// An empty row. A null `parent` makes a top-level widget.
    explicit pzItemHList(QWidget* parent = nullptr);

private:
    PZ_DECLARE_PRIVATE(pzItemHList)
};
