// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

// Helpers shared by the button and list suites: a parent of a known opaque colour to read looks
// from, colour arithmetic over it, and hover events.
namespace testHost {

inline const QColor HostColor(0, 128, 0);

class Host : public QWidget {
public:
    Host() {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, HostColor);
        setPalette(palette);
        setAutoFillBackground(true);
        resize(300, 300);
    }

    QImage shot() { return grab().toImage(); }
};

// What a translucent colour looks like over the host.
inline QColor onHost(const QColor& color, const QColor& below = HostColor) {
    const auto mix = [&](int top, int bottom) {
        return (top * color.alpha() + bottom * (255 - color.alpha()) + 127) / 255;
    };
    return QColor(mix(color.red(), below.red()), mix(color.green(), below.green()),
                  mix(color.blue(), below.blue()));
}

inline bool near(const QColor& actual, const QColor& expected) {
    return qAbs(actual.red() - expected.red()) <= 2 &&
           qAbs(actual.green() - expected.green()) <= 2 &&
           qAbs(actual.blue() - expected.blue()) <= 2;
}

inline void enter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&widget, &event);
}

inline void leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace testHost

#define COMPARE_COLOR(actual, expected)                                                            \
    do {                                                                                           \
        const QColor actualColor = (actual);                                                       \
        const QColor expectedColor = (expected);                                                   \
        QVERIFY2(testHost::near(actualColor, expectedColor),                                       \
                 qPrintable(actualColor.name(QColor::HexArgb) +                                    \
                            " != " + expectedColor.name(QColor::HexArgb)));                        \
    } while (false)
