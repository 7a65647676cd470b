#pragma once

// Not public API: this header may change from one version to the next.

#include "pzToolsExport.h"

#include <QList>
#include <QRect>

// Where a window comes back when it leaves the maximized state. Exported for the tests.
class PZTOOLS_AUTOTEST_EXPORT pzWindowPlacement {
public:
    // The geometry to restore from `saved`, given the available areas of the screens there are
    // now. A geometry that still meets one of them stays as it is. One that lies off every
    // screen (its screen went away while the window was maximized) is centred in
    // `fallbackArea`, keeping its size where that fits and shrunk to the area where not.
    static QRect restored(const QRect& saved, const QList<QRect>& screenAreas,
                          const QRect& fallbackArea);
};
