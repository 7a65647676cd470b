#include "rvAbout.h"

#include "rvAbout_p.h"

rvAbout::rvAbout(QWidget* parent)
    : pzFrame(parent)
    , rvPrivatable(rvPrivatable::own(new rvAboutPrivate)) {
    ui.setupUi(this);
    setAutoFillBackground(true);
    // A little less transparent than a plain frame, so the text reads well over the city.
    setBackgroundColor(QColor(255, 255, 255, 225));
}

rvAbout::~rvAbout() = default;
