#pragma once

#include <QtCore/qglobal.h>

// Every exported toolkit class carries this mark; everything else stays hidden.
#if defined(PZTOOLS_LIBRARY)
#define PZTOOLS_EXPORT Q_DECL_EXPORT
#else
#define PZTOOLS_EXPORT Q_DECL_IMPORT
#endif
