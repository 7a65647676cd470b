#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QLabel>

class pzTextPrivate;

// A text label that lets mouse presses and releases through to its parent.
class PZTOOLS_EXPORT pzText : public QLabel, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzText(const QString& text, QWidget* parent = nullptr);
    ~pzText() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzText)
};
