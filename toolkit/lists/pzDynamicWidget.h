#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QFrame>

class pzDynamicWidgetPrivate;

// A frameless holder of at most one inner widget, which takes the inner widget's size.
class PZTOOLS_EXPORT pzDynamicWidget : public QFrame, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(QWidget* widget READ widget)

public:
    explicit pzDynamicWidget(QWidget* parent = nullptr);
    ~pzDynamicWidget() override;

    QWidget* widget() const;
    // Neither operation deletes or hides the widget it lets go: it stays a child of this one.
    QWidget* takeWidget();
    void setWidget(QWidget* widget);

private:
    PZ_DECLARE_PRIVATE(pzDynamicWidget)
};
