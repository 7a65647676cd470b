#include "pzItemVList.h"

pzItemVList::pzItemVList(QWidget* parent)
    : pzItemList(QBoxLayout::TopToBottom, parent) {}
