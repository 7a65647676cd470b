#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QSplitterHandle>

class pzSplitterHandlePrivate;

// A splitter handle painted as a plain translucent black bar.
class PZTOOLS_EXPORT pzSplitterHandle : public QSplitterHandle, public pzPrivatable {
    Q_OBJECT

public:
    pzSplitterHandle(Qt::Orientation orientation, QSplitter* parent);
    ~pzSplitterHandle() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzSplitterHandle)
};
