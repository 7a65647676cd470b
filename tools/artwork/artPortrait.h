#pragma once

#include <QImage>

// The 300 by 464 flat-shaded portrait of the About page.
namespace artPortrait {

QImage portrait();

} // namespace artPortrait
