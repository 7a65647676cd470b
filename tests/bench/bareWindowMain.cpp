// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// The baselines of the window benchmark: a bare Qt window of the main window's size
// (`--child bare`), and the same window drawing one line of text (`--child bare-text`), which
// pays for the font database as every window with a title does; and the plain window of the
// accessibility round trip (`--child bare-list`): a list of two entries and a button.

#include "windowChild.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Verrin - Oren Vale"));
    }
};

QWidget* listWindow() {
    auto* window = new QWidget;
    auto* layout = new QVBoxLayout(window);
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("About"), QStringLiteral("Exit")});
    layout->addWidget(list);
    layout->addWidget(new QPushButton(QStringLiteral("Close")));
    return window;
}

} // namespace

int main(int argc, char* argv[]) {
    QString kind;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--child") == 0)
            kind = QString::fromLocal8Bit(argv[i + 1]);
    return runWindowChild(argc, argv, [kind] {
        QWidget* window = kind == QStringLiteral("bare-text")   ? new TextWindow
                          : kind == QStringLiteral("bare-list") ? listWindow()
                                                                : new QWidget;
        window->resize(900, 644);
        return window;
    });
}
