#pragma once

#include "pzItemList.h"
#include "pzToolsExport.h"

// An item list that lines up its entries from left to right.
class PZTOOLS_EXPORT pzItemHList : public pzItemList {
    Q_OBJECT

public:
    explicit pzItemHList(QWidget* parent = nullptr);
};
