#pragma once

#include "pzListWidget.h"
#include "pzMenuInterface.h"
#include "pzToolsExport.h"

class pzMenuPrivate;

// The list of a side menu: shows the page widget that its selected entry asks for in a
// separate page area, inside a shadowed frame menu.
class PZTOOLS_EXPORT pzMenu : public pzListWidget {
    Q_OBJECT
    Q_PROPERTY(pzMenuInterface* menuInterface READ menuInterface)

public:
    explicit pzMenu(pzScrollArea* area, QWidget* parent = nullptr);
    ~pzMenu() override;

    pzMenuInterface* menuInterface() const;

public slots:
    // Replaces the shown page widget, deleting the previous one later. This hides
    // QScrollArea::setWidget: the menu's own content is its list.
    virtual void setWidget(QWidget* widget);
    virtual void deleteWidget();

private:
    PZ_DECLARE_PRIVATE(pzMenu)
};
