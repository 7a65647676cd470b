// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvScaleVariables.h"

#include <QByteArray>
#include <QList>

#include <cmath>
#include <cstdio>

namespace {

// No desktop scales by more than this; far beyond it the window's backing store cannot be
// allocated, and at zero or below Qt divides by the factor.
constexpr double SmallestScale = 0.1;
constexpr double LargestScale = 10;
constexpr double StandardDpi = 96;

bool usableScale(double factor) {
    return std::isfinite(factor) && factor >= SmallestScale && factor <= LargestScale;
}

bool usableScale(const QByteArray& text) {
    bool ok = false;
    const double factor = text.trimmed().toDouble(&ok);
    return ok && usableScale(factor);
}

// "1.5;2" or "HDMI-1=1.5;DP-2=2", one factor a screen.
bool usableScreenScales(const QByteArray& text) {
    for (const QByteArray& entry : text.split(';')) {
        if (entry.trimmed().isEmpty())
            continue;
        const qsizetype equals = entry.lastIndexOf('=');
        if (!usableScale(equals < 0 ? entry : entry.mid(equals + 1)))
            return false;
    }
    return true;
}

bool usableFontDpi(const QByteArray& text) {
    bool ok = false;
    const int dpi = text.trimmed().toInt(&ok);
    return ok && usableScale(dpi / StandardDpi);
}

void dropUnless(const char* name, bool (*usable)(const QByteArray&)) {
    if (!qEnvironmentVariableIsSet(name))
        return;
    const QByteArray value = qgetenv(name);
    if (usable(value))
        return;
    std::fprintf(stderr, "verrin: ignoring %s=%s: not a usable scale (%g to %g)\n", name,
                 value.constData(), SmallestScale, LargestScale);
    qunsetenv(name);
}

} // namespace

void rvDropUnusableScaleVariables() {
    dropUnless("QT_SCALE_FACTOR", usableScale);
    dropUnless("QT_SCREEN_SCALE_FACTORS", usableScreenScales);
    dropUnless("QT_FONT_DPI", usableFontDpi);
}
