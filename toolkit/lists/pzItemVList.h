#pragma once

#include "pzItemList.h"
#include "pzToolsExport.h"

// An item list that lines up its entries from top to bottom.
class PZTOOLS_EXPORT pzItemVList : public pzItemList {
    Q_OBJECT

public:
    explicit pzItemVList(QWidget* parent = nullptr);
};
