// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "fuzzArguments.h"

#include <climits>
#include <iterator>

int fuzzArguments::hostileInt() {
    static const int values[] = {0, 1, -1, 2, 7, 100, INT_MAX, INT_MIN, INT_MAX - 1};
    return chance(60) ? pick(400) - 50 : values[pick(std::size(values))];
}

// Rectangles that reach the end of the coordinate range; each still has a width and a height
// that QRect can tell.
QRect fuzzArguments::hostileRect() {
    const int k = pick(20);
    const int at = hostileInt() / 2;
    switch (pick(4)) {
    case 0:
        return QRect(pick(60) - 10, pick(60) - 10, pick(80) - 10, pick(80) - 10);
    case 1:
        return QRect(QPoint(k + 1, pick(50) + 1), QPoint(INT_MAX, INT_MAX));
    case 2:
        return QRect(QPoint(at, INT_MAX - k), QPoint(at + pick(30), INT_MAX));
    default:
        return QRect(QPoint(INT_MAX - k, at), QPoint(INT_MAX, at + pick(30)));
    }
}

QString fuzzArguments::hostileText() {
    static const QString texts[] = {QString(), QStringLiteral("Title"),
                                    QStringLiteral("<b>bold</b> & <i"), QString(3000, u'W'),
                                    QStringLiteral("\u202e\u0000\U0001F600")};
    return texts[pick(std::size(texts))];
}
