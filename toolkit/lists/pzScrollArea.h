#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QScrollArea>

class pzScrollAreaPrivate;

// A frameless scroll area with a transparent background.
class PZTOOLS_EXPORT pzScrollArea : public QScrollArea, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzScrollArea(QWidget* parent = nullptr);
    ~pzScrollArea() override;

    void setBackgroundColor(const QColor& color);

protected:
    pzScrollArea(pzScrollAreaPrivate* d, QWidget* parent);

private:
    PZ_DECLARE_PRIVATE(pzScrollArea)
};
