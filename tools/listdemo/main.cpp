// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// A small window that shows the fade buttons and the list-menu machinery at work: a side menu
// with two entries whose pages open in the page area beside it.
//
//   listdemo                         run it
//   listdemo --screenshot out.png    open both pages in turn, save a picture of the window, quit

#include "ldDemoPage.h"
#include "ldDemoWindow.h"
#include "pzListItem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QPainter>
#include <QTimer>

namespace {

int saveScreenshot(ldDemoWindow& window, const QString& path) {
    window.page()->profileItem()->click();
    QApplication::processEvents();
    const QImage profile = window.grab().toImage();
    window.page()->coloursItem()->click();
    QApplication::processEvents();
    const QImage colours = window.grab().toImage();

    QImage both(profile.width(), profile.height() + colours.height(), QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, profile);
    painter.drawImage(0, profile.height(), colours);
    painter.end();
    return both.save(path) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("pzTools list demo"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of both pages and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(application);

    ldDemoWindow window;
    window.show();
    if (parser.isSet(screenshot)) {
        int result = 1;
        QTimer::singleShot(0, &window, [&] {
            result = saveScreenshot(window, parser.value(screenshot));
            application.quit();
        });
        application.exec();
        return result;
    }
    return application.exec();
}
