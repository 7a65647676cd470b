#pragma once

// Not public API: this header may change from one version to the next.

#include "pzBoxTop.h"
#include "pzPrivate.h"

class QHBoxLayout;

class pzBoxTopPrivate : public pzPrivate {
public:
    QHBoxLayout* topLayout = nullptr;
    pzFadeTextButton* programButton = nullptr;
    pzFadeButton* iconifyButton = nullptr;
    pzFadeButton* minimizeButton = nullptr;
    pzFadeButton* closeButton = nullptr;
    pzBox* box = nullptr;
};
