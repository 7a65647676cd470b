// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// Opens a box with a menu page of its own; exit status 0 when the toolkit's pictures resolve.
#include <pzBox.h>
#include <pzBoxPanel.h>
#include <pzListItem.h>
#include <pzListMenu.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

class ConsumerPage : public pzListMenu {
    Q_OBJECT

public:
    void createPage() override {
        pzListMenu::createPage();
        addItem(new pzListItem(QIcon(), QStringLiteral("Hello")));
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    pzBox box;
    ConsumerPage page;
    box.setTitle(QStringLiteral("Consumer"));
    box.setMenu(&page);
    box.setContent(new QLabel(QStringLiteral("Content")));
    box.togglePanel();
    box.show();
    const QSize button(23, 22);
    const QList<QPair<QString, QSize>> pictures = {{":/iconIconify.png", button},
                                                   {":/iconMaximize.png", button},
                                                   {":/iconMinimize.png", button},
                                                   {":/iconClose.png", button},
                                                   {":/niraLogoWhiteSmall.png", QSize(22, 22)}};
    for (const auto& picture : pictures) {
        if (QPixmap(picture.first).size() != picture.second)
            return 1;
    }
    if (!page.isCreated() || !box.panel()->isVisible())
        return 1;
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}

#include "main.moc"
