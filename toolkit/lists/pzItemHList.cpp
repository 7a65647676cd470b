#include "pzItemHList.h"

pzItemHList::pzItemHList(QWidget* parent)
    : pzItemList(QBoxLayout::LeftToRight, parent) {}
