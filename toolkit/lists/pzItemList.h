#pragma once

#include "pzToolsExport.h"

#include <QBoxLayout>
#include <QVector>
#include <QWidget>

// A widget that lines up widgets, nested layouts, spacings and stretches in one direction,
// with no margin and no spacing, and remembers the widgets and layouts it was given.
class PZTOOLS_EXPORT pzItemList : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QVector<QWidget*> mWidgetVector READ widgetVector)

public:
    explicit pzItemList(QBoxLayout::Direction direction, QWidget* parent = nullptr);
    ~pzItemList() override;

    // Indexes count every item of the box layout, spacings and stretches included; an index
    // past the end appends.
    virtual void addWidget(QWidget* widget, int stretch = 0,
                           Qt::Alignment alignment = Qt::Alignment());
    virtual void insertWidget(unsigned int index, QWidget* widget, int stretch = 0,
                              Qt::Alignment alignment = Qt::Alignment());
    virtual void removeWidget(QWidget* widget);
    virtual void addLayout(QLayout* layout, int stretch = 0);
    virtual void insertLayout(unsigned int index, QLayout* layout, int stretch = 0);
    virtual void addSpacing(unsigned int spacing);
    virtual void insertSpacing(unsigned int index, unsigned int spacing);
    virtual void addStretch(unsigned int stretch = 0);
    virtual void insertStretch(unsigned int index, unsigned int stretch = 0);
    // Widgets stay children of the list, neither hidden nor deleted. Nested layouts are taken
    // out and not deleted: the caller that handed them over deletes them.
    virtual void clear();
    // Takes the item out of the layout and deletes the layout's item: a widget survives (and
    // stays listed), a spacing or stretch goes, a nested layout is deleted.
    virtual void removeItem(unsigned int index);
    // The number of layout items, not the geometry: this hides QWidget::size().
    virtual unsigned int size() const;

    // In the order the widgets were handed over, not in screen order.
    QVector<QWidget*> widgetVector() const;

protected:
    QVector<QWidget*> mWidgetVector;
    QVector<QLayout*> mLayoutVector;
    QBoxLayout* mBoxLayout;

private:
    void forgetWidget(QObject* widget);
    void forgetLayout(QObject* layout);
};
