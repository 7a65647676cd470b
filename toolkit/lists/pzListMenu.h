#pragma once

#include "pzListItem.h"
#include "pzListPage.h"
#include "pzToolsExport.h"

class pzListMenuPrivate;

// A list page of list items with at most one selected item; selecting one asks the menu
// container to show a page widget for it, unselecting asks it to delete that widget.
class PZTOOLS_EXPORT pzListMenu : public pzListPage {
    Q_OBJECT
    Q_PROPERTY(pzListItem* currentItem READ currentItem)

public:
    explicit pzListMenu(QObject* parent = nullptr);
    ~pzListMenu() override;

    // member is a slot or signal of this menu in SLOT()/SIGNAL() form, called on every click;
    // null adds the item without connecting its click.
    void addItem(pzListItem* item, const char* member = nullptr);
    void removeItem(pzListItem* item);
    // widget, if any, is handed on through setWidget() unless the item is already current.
    void selectItem(pzListItem* item, QWidget* widget = nullptr);
    void unselectItem(pzListItem* item);

    pzListItem* currentItem() const;

signals:
    void setWidget(QWidget* widget);
    void deleteWidget();

public slots:
    void createPage() override;
    void deletePage() override;

private:
    PZ_DECLARE_PRIVATE(pzListMenu)
};
