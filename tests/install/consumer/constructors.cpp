// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// Builds every public toolkit class with a null parent written both as nullptr and as 0, so an
// overload that makes either ambiguous fails to compile; exits 1 if the toolkit says anything.
#include <pzBox.h>
#include <pzBoxPanel.h>
#include <pzBoxTop.h>
#include <pzDynamicWidget.h>
#include <pzEdgeGrip.h>
#include <pzFadeButton.h>
#include <pzFadeTextButton.h>
#include <pzFrame.h>
#include <pzFrameMenu.h>
#include <pzItemHList.h>
#include <pzItemVList.h>
#include <pzListInterface.h>
#include <pzListItem.h>
#include <pzListMenu.h>
#include <pzListPage.h>
#include <pzListWidget.h>
#include <pzMenu.h>
#include <pzMenuInterface.h>
#include <pzPaint.h>
#include <pzPicture.h>
#include <pzScrollArea.h>
#include <pzSizeGrip.h>
#include <pzSplitter.h>
#include <pzSplitterHandle.h>
#include <pzText.h>
#include <pzTimer.h>
#include <pzWallpaper.h>

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include <chrono>

// The leading arguments, if any, end with a comma.
#define BUILD_WITH_NULL_PARENTS(Class, ...)                                                        \
    {                                                                                              \
        Class withNullptr(__VA_ARGS__ nullptr);                                                    \
        Class withZero(__VA_ARGS__ 0);                                                             \
    }

static bool quiet = true;

static void noteMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    fprintf(stderr, "%s\n", qPrintable(message));
    quiet = false;
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qInstallMessageHandler(noteMessage);
    const QString icon = QStringLiteral(":/iconClose.png");
    const QString text = QStringLiteral("text");
    QPixmap canvas(8, 8);
    QPainter painter(&canvas);
    // Each menu takes its own page area's widget; the holder deletes the areas.
    QWidget areas;

    BUILD_WITH_NULL_PARENTS(pzBox, )
    BUILD_WITH_NULL_PARENTS(pzBoxPanel, )
    BUILD_WITH_NULL_PARENTS(pzBoxTop, )
    BUILD_WITH_NULL_PARENTS(pzDynamicWidget, )
    BUILD_WITH_NULL_PARENTS(pzEdgeGrip, Qt::LeftEdge, )
    BUILD_WITH_NULL_PARENTS(pzFadeButton, icon, )
    BUILD_WITH_NULL_PARENTS(pzFadeTextButton, )
    BUILD_WITH_NULL_PARENTS(pzFadeTextButton, icon, text, )
    BUILD_WITH_NULL_PARENTS(pzFrame, )
    BUILD_WITH_NULL_PARENTS(pzFrameMenu, )
    BUILD_WITH_NULL_PARENTS(pzItemList, QBoxLayout::TopToBottom, )
    BUILD_WITH_NULL_PARENTS(pzItemHList, )
    BUILD_WITH_NULL_PARENTS(pzItemVList, )
    BUILD_WITH_NULL_PARENTS(pzListInterface, )
    BUILD_WITH_NULL_PARENTS(pzListItem, )
    BUILD_WITH_NULL_PARENTS(pzListItem, QIcon(icon), text, )
    BUILD_WITH_NULL_PARENTS(pzListMenu, )
    BUILD_WITH_NULL_PARENTS(pzListPage, )
    BUILD_WITH_NULL_PARENTS(pzListWidget, )
    BUILD_WITH_NULL_PARENTS(pzMenu, new pzScrollArea(&areas), )
    BUILD_WITH_NULL_PARENTS(pzMenuInterface, )
    BUILD_WITH_NULL_PARENTS(pzPaint, painter, )
    BUILD_WITH_NULL_PARENTS(pzPicture, icon, )
    BUILD_WITH_NULL_PARENTS(pzScrollArea, )
    BUILD_WITH_NULL_PARENTS(pzSizeGrip, )
    BUILD_WITH_NULL_PARENTS(pzSplitter, )
    BUILD_WITH_NULL_PARENTS(pzSplitterHandle, Qt::Horizontal, )
    BUILD_WITH_NULL_PARENTS(pzText, text, )
    BUILD_WITH_NULL_PARENTS(pzTimer, )
    BUILD_WITH_NULL_PARENTS(pzWallpaper, )

    using namespace std::chrono_literals;
    pzTimer timer;
    timer.start(100ms);
    if (timer.interval() != 100 || timer.time().isNull())
        return 1;
    return quiet ? 0 : 1;
}
