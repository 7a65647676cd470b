#pragma once

#include <QImage>

// The 144 by 239 tower seen from above at a slight tilt: roof on top, south facade below.
namespace artBuildings {

QImage tower();

} // namespace artBuildings
