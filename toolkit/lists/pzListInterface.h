#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QWidget;
class pzListInterfacePrivate;
class pzListPage;

// Binds one list page at a time to the list widget that owns it: drops the old page's
// content, rewires the page's signals to the list and lets the page fill the list.
class PZTOOLS_EXPORT pzListInterface : public QObject, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzListInterface(QWidget* parent = nullptr);
    ~pzListInterface() override;

    // Setting the bound page again re-creates its content without rewiring it. A bound page
    // that has been destroyed counts as none.
    void setPage(pzListPage* page);

signals:
    void deleteAll();

protected:
    pzListInterface(pzListInterfacePrivate* d, QWidget* parent);

private:
    PZ_DECLARE_PRIVATE(pzListInterface)
};
