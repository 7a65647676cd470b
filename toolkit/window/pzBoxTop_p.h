#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBoxTop.h"
#include "pzPrivate.h"

class QHBoxLayout;

class pzBoxTopPrivate : public pzPrivate {
public:
    void createButtons();
    // Wires the buttons to the box's slots.
    void connectButtons();

    QHBoxLayout* topLayout = nullptr;
    pzFadeTextButton* programButton = nullptr;
    pzFadeButton* iconifyButton = nullptr;
    pzFadeButton* minimizeButton = nullptr;
    pzFadeButton* closeButton = nullptr;
    pzBox* box = nullptr;
};
