#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSplitter>

class pzSplitterPrivate;

// A splitter with translucent black handles that can set one section's size by index.
class PZTOOLS_EXPORT pzSplitter : public QSplitter, public pzPrivatable {
    Q_OBJECT

public:
    explicit pzSplitter(QWidget* parent = nullptr);
    ~pzSplitter() override;

    void setWidgetSize(int index, int size);

protected:
    QSplitterHandle* createHandle() override;

private:
    PZ_DECLARE_PRIVATE(pzSplitter)
};
