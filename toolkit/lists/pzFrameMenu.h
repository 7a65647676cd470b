#pragma once

#include "pzDynamicWidget.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzFrameMenuPrivate;

// Shows one widget with a dark shadow along its right and bottom edges, sized to the widget
// plus the shadow.
class PZTOOLS_EXPORT pzFrameMenu : public QWidget, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(pzDynamicWidget* dynamicWidget READ dynamicWidget)
    Q_PROPERTY(int margin READ margin)

public:
    explicit pzFrameMenu(QWidget* parent = nullptr);
    ~pzFrameMenu() override;

    pzDynamicWidget* dynamicWidget() const;
    // Width of the shadow strips.
    int margin() const;

    QWidget* widget() const;
    void setWidget(QWidget* widget);
    QWidget* takeWidget();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzFrameMenu)
};
