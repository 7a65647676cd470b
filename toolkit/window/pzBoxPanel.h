#pragma once

#include "pzListWidget.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBoxPanelPrivate;

// The side panel of a window box: a menu list and, beyond a splitter handle, its page area.
class PZTOOLS_EXPORT pzBoxPanel : public QWidget, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(pzListWidget* list READ list)

public:
    explicit pzBoxPanel(QWidget* parent = nullptr);
    ~pzBoxPanel() override;

    pzListWidget* list() const;

private:
    PZ_DECLARE_PRIVATE(pzBoxPanel)
};
