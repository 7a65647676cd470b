#pragma once

#include "pzListInterface.h"
#include "pzScrollArea.h"
#include "pzToolsExport.h"

class pzListWidgetPrivate;

// A scrollable vertical list that shows the widgets of a list page, each stretched to the
// list's width; its interface binds the page.
class PZTOOLS_EXPORT pzListWidget : public pzScrollArea {
    Q_OBJECT
    Q_PROPERTY(pzListInterface* interface READ interface)

public:
    explicit pzListWidget(QWidget* parent = nullptr);
    ~pzListWidget() override;

    pzListInterface* interface() const;

public slots:
    virtual void addWidget(QWidget* widget, int stretch = 0,
                           Qt::Alignment alignment = Qt::Alignment());
    // A negative index appends.
    virtual void insertWidget(int index, QWidget* widget, int stretch = 0,
                              Qt::Alignment alignment = Qt::Alignment());
    virtual void removeWidget(QWidget* widget);
    // Empties the list and deletes its widgets later.
    virtual void deleteAll();

protected:
    pzListWidget(pzListWidgetPrivate* d, QWidget* parent);

    void resizeEvent(QResizeEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzListWidget)
};
