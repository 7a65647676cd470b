// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// A frameless pzTools window with a title, some content and a side panel. The panel's list menu
// has two entries that open a page beside the menu (a second click closes it) and one that quits.
//
//   listmenu                         run it
//   listmenu --page Colours          start with the page of the entry "Colours" open
//   listmenu --screenshot out.png    save a picture of the window as soon as it shows, then quit

#include <pzBox.h>
#include <pzFrame.h>
#include <pzListItem.h>
#include <pzListMenu.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QColor swatchColours[] = {QColor(0x3d, 0x8f, 0xd1), QColor(0x5a, 0x9e, 0x4b),
                                QColor(0xe0, 0xb4, 0x58), QColor(0xc4, 0x53, 0x3b)};

// White text on `background`.
void setColours(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Pages are pzFrame widgets: the toolkit's translucent white ground.
QWidget* makeWelcomePage() {
    auto* page = new pzFrame;
    auto* text = new QLabel(QObject::tr("<h3>Welcome</h3>"
                                        "<p>Each entry of the menu opens a page here. Click the "
                                        "entry again, or press Escape, to close it.</p>"));
    text->setWordWrap(true);
    text->setFixedWidth(240);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    return page;
}

QWidget* makeColoursPage() {
    auto* page = new pzFrame;
    auto* grid = new QGridLayout(page);
    int index = 0;
    for (const QColor& colour : swatchColours) {
        auto* swatch = new QLabel(colour.name());
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(100, 60);
        setColours(swatch, colour);
        grid->addWidget(swatch, index / 2, index % 2);
        ++index;
    }
    return page;
}

QIcon makeColoursIcon() {
    QPixmap picture(32, 32);
    QPainter painter(&picture);
    int index = 0;
    for (const QColor& colour : swatchColours) {
        painter.fillRect(index % 2 * 16, index / 2 * 16, 16, 16, colour);
        ++index;
    }
    return QIcon(picture);
}

// The side panel's entry showing `text`, or null.
pzListItem* findEntry(const QWidget& box, const QString& text) {
    for (pzListItem* entry : box.findChildren<pzListItem*>()) {
        if (entry->text() == text)
            return entry;
    }
    return nullptr;
}

} // namespace

// The menu shown in the box's side panel. It is a list page: the panel calls createPage() when
// the menu is bound to it and takes the entries that addItem() hands over.
class ExampleMenu : public pzListMenu {
    Q_OBJECT

public slots:
    void createPage() override {
        // The base forgets any earlier entries, so it comes first.
        pzListMenu::createPage();

        const QStyle* style = QApplication::style();
        mWelcome =
            new pzListItem(style->standardIcon(QStyle::SP_MessageBoxInformation), tr("Welcome"));
        addItem(mWelcome, SLOT(showWelcome()));
        mColours = new pzListItem(makeColoursIcon(), tr("Colours"));
        addItem(mColours, SLOT(showColours()));

        // An entry may act instead of opening a page.
        auto* quit = new pzListItem(style->standardIcon(QStyle::SP_BrowserStop), tr("Quit"));
        addItem(quit);
        connect(quit, &pzListItem::clicked, qApp, &QApplication::closeAllWindows);
    }

    void showWelcome() { toggle(mWelcome, &makeWelcomePage); }
    void showColours() { toggle(mColours, &makeColoursPage); }

private:
    // The panel takes the page, shows it at the size it has and deletes it when it closes.
    void toggle(pzListItem* item, QWidget* (*makePage)()) {
        if (currentItem() == item) {
            unselectItem(item);
            return;
        }
        QWidget* page = makePage();
        page->setAutoFillBackground(true);
        page->adjustSize();
        selectItem(item, page);
    }

    // The list that shows the entries owns them.
    QPointer<pzListItem> mWelcome;
    QPointer<pzListItem> mColours;
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A pzTools window with a list menu."));
    parser.addHelpOption();
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("Start with the page of <entry> open."),
                                        QStringLiteral("entry"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"), QStringLiteral("Save a picture of the window and quit."),
        QStringLiteral("file"));
    parser.addOptions({pageOption, screenshotOption});
    parser.process(application);

    // The menu stays ours and must outlive the box that shows it, so it is made first.
    ExampleMenu menu;
    pzBox box;
    box.setTitle(QObject::tr("List menu example"));
    auto* content = new QLabel(QObject::tr("The window's content goes here."));
    content->setAlignment(Qt::AlignCenter);
    setColours(content, QColor(0x2b, 0x3a, 0x4a));
    box.setContent(content);
    box.setMenu(&menu);
    box.togglePanel();
    box.resize(560, 380);
    box.show();

    // Both run once the event loop has started, in this order: an entry may quit the program.
    if (parser.isSet(pageOption)) {
        pzListItem* entry = findEntry(box, parser.value(pageOption));
        if (!entry) {
            qCritical("listmenu: no entry named \"%s\"", qPrintable(parser.value(pageOption)));
            return 1;
        }
        QMetaObject::invokeMethod(entry, &QAbstractButton::click, Qt::QueuedConnection);
    }
    if (parser.isSet(screenshotOption)) {
        QMetaObject::invokeMethod(
            &box,
            [&] {
                // A widget added to a shown window shows a moment later: let the page finish.
                QApplication::processEvents();
                const QString file = parser.value(screenshotOption);
                const bool saved = box.grab().save(file);
                if (!saved)
                    qCritical("listmenu: cannot write %s", qPrintable(file));
                application.exit(saved ? 0 : 1);
            },
            Qt::QueuedConnection);
    }
    return application.exec();
}

#include "main.moc"
