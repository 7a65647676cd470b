#pragma once

#include "pzListInterface.h"
#include "pzToolsExport.h"

class pzMenuInterfacePrivate;

// The interface of a menu list: also wires a list menu's page-widget requests to the menu.
class PZTOOLS_EXPORT pzMenuInterface : public pzListInterface {
    Q_OBJECT

public:
    explicit pzMenuInterface(QWidget* parent = nullptr);
    ~pzMenuInterface() override;

private:
    PZ_DECLARE_PRIVATE(pzMenuInterface)
};
