#pragma once

#include "pzFadeButton.h"
#include "pzFadeTextButton.h"
#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QWidget>

class pzBox;
class pzBoxTopPrivate;

// The title bar of a window box: program button, then iconify, maximize/restore and close.
class PZTOOLS_EXPORT pzBoxTop : public QWidget, public pzPrivatable {
    Q_OBJECT
    Q_PROPERTY(pzFadeTextButton* programButton READ programButton)
    Q_PROPERTY(pzFadeButton* iconifyButton READ iconifyButton)
    Q_PROPERTY(pzFadeButton* minimizeButton READ minimizeButton)
    Q_PROPERTY(pzFadeButton* closeButton READ closeButton)

public:
    explicit pzBoxTop(pzBox* box);
    ~pzBoxTop() override;

    pzFadeTextButton* programButton() const;
    pzFadeButton* iconifyButton() const;
    pzFadeButton* minimizeButton() const;
    pzFadeButton* closeButton() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PZ_DECLARE_PRIVATE(pzBoxTop)
};
