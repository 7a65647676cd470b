#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QFrame>

class pzFramePrivate;

// A frame with a translucent white background and setters for its two colours.
class PZTOOLS_EXPORT pzFrame : public QFrame, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzFrame(QWidget* parent = nullptr);
    ~pzFrame() override;

    void setBackgroundColor(const QColor& color);
    void setFrameColor(const QColor& color);

private:
    PZ_DECLARE_PRIVATE(pzFrame)
};
