#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QObject>

class QWidget;
class pzListPagePrivate;

// The content provider of a list widget: it fills the list through its signals and is told to
// build and to drop its content through createPage() and deletePage().
class PZTOOLS_EXPORT pzListPage : public QObject, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(bool created READ isCreated)

public:
    explicit pzListPage(QObject* parent = nullptr);
    ~pzListPage() override;

    bool isCreated() const;

signals:
    void addWidget(QWidget* widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());
    void insertWidget(int index, QWidget* widget, int stretch = 0,
                      Qt::Alignment alignment = Qt::Alignment());
    void removeWidget(QWidget* widget);

public slots:
    // Overrides call the base version first, then emit the page's widgets.
    virtual void createPage();
    virtual void deletePage();

protected:
    pzListPage(pzListPagePrivate* d, QObject* parent);

private:
    PZ_DECLARE_PRIVATE(pzListPage)
};
