#pragma once

#include "pzToolsExport.h"

#include <QSizeGrip>

// An invisible size grip: it keeps QSizeGrip's cursor and corner resizing but draws nothing.
class PZTOOLS_EXPORT pzSizeGrip : public QSizeGrip {
    Q_OBJECT

public:
    explicit pzSizeGrip(QWidget* parent);
    ~pzSizeGrip() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
