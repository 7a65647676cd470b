// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// The baselines of the window benchmark: a bare Qt window of the main window's size
// (`--child bare`), and the same window drawing one line of text (`--child bare-text`), which
// pays for the font database as every window with a title does.

#include "windowChild.h"

#include <QPainter>

#include <cstring>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Verrin - Oren Vale"));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    bool text = false;
    for (int i = 1; i < argc; ++i)
        text = text || std::strcmp(argv[i], "bare-text") == 0;
    return runWindowChild(argc, argv, [text] {
        QWidget* window = text ? new TextWindow : new QWidget;
        window->resize(900, 644);
        return window;
    });
}
