// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

// Random sequences of the toolkit's public calls, as a library user could make them: creation,
// ordinary, boundary and hostile arguments, deletion and reparenting, showing and hiding, with the
// event loop run between steps. Only installed headers are used. The property checked is that
// nothing crashes, reads freed memory, overflows or leaks (under the sanitizers).
//
// VERRIN_FUZZ_SEED=<n> replays one seed; VERRIN_FUZZ_SECONDS bounds the time spent on seeds
// (one seed at least); VERRIN_FUZZ_STEPS is the number of calls per seed.

#include "pzBox.h"
#include "pzBoxPanel.h"
#include "pzBoxTop.h"
#include "pzDynamicWidget.h"
#include "pzEdgeGrip.h"
#include "pzFadeButton.h"
#include "pzFrameMenu.h"
#include "pzListInterface.h"
#include "pzListItem.h"
#include "pzListMenu.h"
#include "pzListWidget.h"
#include "pzMenu.h"
#include "pzPaint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#include <sanitizer/lsan_interface.h>
#define FUZZ_SANITIZED 1
#endif

namespace {

quint32 currentSeed = 0;

// Async-signal-safe: a crash gives no other chance to say which seed to replay.
void tellSeed() {
    char line[96];
    const int length = std::snprintf(
        line, sizeof line, "apiFuzz: failed at seed %u (replay with VERRIN_FUZZ_SEED=%u)\n",
        currentSeed, currentSeed);
    if (length > 0 && ::write(STDERR_FILENO, line, size_t(length)) < 0)
        return;
}

void onFatalSignal(int signal) {
    tellSeed();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A sequence that loops forever is a fault too; the test's own time-out would lose the seed.
void onStuckSequence(int) {
    tellSeed();
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

// Qt's own warnings about refused misuse are expected here and are not the subject.
void dropMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::abort();
    }
}

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class World {
public:
    explicit World(quint32 seed)
        : random(seed) {}
    ~World() { clear(); }

    void step();
    void clear();

private:
    int pick(int bound) { return int(random.bounded(quint32(qMax(1, bound)))); }
    bool chance(int percent) { return pick(100) < percent; }
    int hostileInt();
    QRect hostileRect();
    QString hostileText();
    template <class T> T* any();
    QWidget* anyWidget() { return any<QWidget>(); }
    // A widget of the pool, or a fresh one, for `taker` to take: never one of its ancestors,
    // which Qt's own containers loop on, nor one inside it, whose holder may be what takes it.
    QWidget* someWidget(QWidget* taker);
    QWidget* adopt(QWidget* widget);
    void create();
    void callOn(QWidget* widget);
    void reparent(QWidget* widget);
    void paint();

    QRandomGenerator random;
    QList<QPointer<QWidget>> widgets;
    QList<QPointer<pzListMenu>> pages;
    // Where a widget puts what it is given, when that may not lie inside it (moved elsewhere
    // since): a menu's frame menu, a box's content holder.
    QHash<const QObject*, QPointer<QWidget>> holders;
};

int World::hostileInt() {
    static const int values[] = {0, 1, -1, 2, 7, 100, INT_MAX, INT_MIN, INT_MAX - 1};
    return chance(60) ? pick(400) - 50 : values[pick(std::size(values))];
}

// Rectangles that reach the end of the coordinate range; each still has a width and a height
// that QRect can tell.
QRect World::hostileRect() {
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

QString World::hostileText() {
    static const QString texts[] = {QString(), QStringLiteral("Title"),
                                    QStringLiteral("<b>bold</b> & <i"), QString(3000, u'W'),
                                    QStringLiteral("\u202e\u0000\U0001F600")};
    return texts[pick(std::size(texts))];
}

template <class T> T* World::any() {
    widgets.removeAll(nullptr);
    QList<T*> matching;
    for (const QPointer<QWidget>& widget : std::as_const(widgets))
        if (auto* typed = qobject_cast<T*>(widget.data()))
            matching += typed;
    // The toolkit's inner widgets too, which a user reaches with findChild(); not Qt's own (a
    // scroll area's viewport or bars, a splitter's handles), nor the parts a button draws with
    // (as a spin box's line edit), which crash Qt's classes when deleted.
    if (!matching.isEmpty() && chance(30)) {
        QList<T*> inner = matching[pick(matching.size())]->template findChildren<T*>();
        inner.removeIf([](const T* child) {
            return !QByteArray(child->metaObject()->className()).startsWith("pz") ||
                   child->inherits("QSplitterHandle") ||
                   qobject_cast<QAbstractButton*>(child->parentWidget());
        });
        if (!inner.isEmpty())
            return inner[pick(inner.size())];
    }
    return matching.isEmpty() ? nullptr : matching[pick(matching.size())];
}

// QWidget::isAncestorOf() stops at windows; a parent loop across windows hangs Qt as well.
bool isAncestor(const QWidget* ancestor, const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (widget == ancestor)
            return true;
    return false;
}

// QScrollArea::setWidget() deletes the old widget first, and crashes where that takes `kept` or
// the area itself (moved inside it since) along.
bool deletesWithWidget(QScrollArea* area, const QWidget* kept) {
    return isAncestor(area->widget(), kept) || isAncestor(area->widget(), area);
}

// A frame menu's widget goes into its holder, wherever that now lies.
QWidget* holderOf(QWidget* taker) {
    auto* frame = qobject_cast<pzFrameMenu*>(taker);
    QWidget* holder = frame ? frame->dynamicWidget() : nullptr;
    return holder ? holder : taker;
}

QWidget* World::someWidget(QWidget* taker) {
    QWidget* widget = chance(50) ? anyWidget() : nullptr;
    if (widget && (isAncestor(widget, taker) || isAncestor(taker, widget)))
        widget = nullptr;
    return widget ? widget : adopt(new QWidget);
}

QWidget* World::adopt(QWidget* widget) {
    widgets += widget;
    return widget;
}

void World::create() {
    QWidget* parent = chance(50) ? anyWidget() : nullptr;
    switch (pick(9)) {
    case 0: {
        auto* box = new pzBox(parent);
        holders.insert(adopt(box),
                       box->findChild<pzDynamicWidget*>(QString(), Qt::FindDirectChildrenOnly));
        holders.insert(box->panel()->list(), box->panel()->findChild<pzFrameMenu*>());
        break;
    }
    case 1:
        adopt(new pzListWidget(parent));
        break;
    case 2:
        adopt(new pzFrameMenu(parent));
        break;
    case 3:
        adopt(new pzEdgeGrip(Qt::Edge(pick(10)), parent));
        break;
    case 4:
        adopt(new pzDynamicWidget(parent));
        break;
    case 5: {
        pzScrollArea* area = chance(70) ? any<pzScrollArea>() : nullptr;
        // The area deletes its widget for the menu's frame menu: a parent inside it would take
        // the new menu with it.
        if (area && deletesWithWidget(area, parent))
            area = nullptr;
        auto* menu = new pzMenu(area, parent);
        holders.insert(adopt(menu), area ? area->widget() : menu->findChild<pzFrameMenu*>());
        break;
    }
    case 6:
        adopt(new pzBoxTop(chance(70) ? any<pzBox>() : nullptr));
        break;
    case 7:
        adopt(new pzListItem(QIcon(), hostileText(), parent));
        break;
    default:
        pages += new pzListMenu(chance(50) ? parent : nullptr);
        break;
    }
}

// Never into itself or its own descendant: Qt refuses nothing there and loops.
void World::reparent(QWidget* widget) {
    QWidget* parent = chance(20) ? nullptr : anyWidget();
    if (parent && isAncestor(widget, parent))
        return;
    widget->setParent(parent);
    // An inner widget taken out is the sequence's to delete.
    if (!widgets.contains(widget))
        adopt(widget);
}

void World::callOn(QWidget* widget) {
    if (auto* box = qobject_cast<pzBox*>(widget)) {
        switch (pick(8)) {
        case 0:
            box->setTitle(hostileText());
            break;
        case 1:
            box->togglePanel();
            break;
        case 2:
            box->setContent(chance(80) ? someWidget(holders.value(box, box)) : nullptr);
            break;
        case 3:
            box->setMenu(pages.isEmpty() ? nullptr : pages[pick(pages.size())].data());
            break;
        case 4:
            box->toggleWindow();
            break;
        case 5:
            box->setWindowIcon(QIcon());
            break;
        case 6:
            box->centerOnScreen();
            break;
        default:
            chance(50) ? box->showPanel() : box->hidePanel();
            break;
        }
    } else if (auto* menu = qobject_cast<pzMenu*>(widget)) {
        // Only menus whose frame menu is known: a cycle check needs where it lies.
        const QPointer<QWidget> frame = holders.value(menu);
        frame&& chance(60) ? menu->setWidget(someWidget(holderOf(frame))) : menu->deleteWidget();
    } else if (auto* list = qobject_cast<pzListWidget*>(widget)) {
        // Its widgets go into the scroll area's widget, wherever that now lies.
        QWidget* content = list->widget() ? list->widget() : list;
        switch (pick(6)) {
        case 0:
            list->addWidget(someWidget(content), hostileInt());
            break;
        case 1:
            list->insertWidget(hostileInt(), someWidget(content));
            break;
        case 2:
            list->removeWidget(anyWidget());
            break;
        case 3:
            list->deleteAll();
            break;
        case 4: {
            QWidget* replacement = someWidget(widget);
            if (!deletesWithWidget(list, replacement))
                list->setWidget(replacement);
            break;
        }
        default:
            list->interface()->setPage(pages.isEmpty() ? nullptr
                                                       : pages[pick(pages.size())].data());
            break;
        }
    } else if (auto* frame = qobject_cast<pzFrameMenu*>(widget)) {
        switch (pick(4)) {
        case 0:
            frame->setWidget(someWidget(holderOf(frame)));
            break;
        case 1:
            delete frame->takeWidget();
            break;
        case 2:
            delete frame->widget();
            break;
        default:
            delete frame->dynamicWidget();
            break;
        }
    } else if (auto* grip = qobject_cast<pzEdgeGrip*>(widget)) {
        const int choice = pick(3);
        grip->keepClearOf(choice == 0   ? grip
                          : choice == 1 ? adopt(new QWidget(grip))
                                        : someWidget(widget));
    } else if (auto* holder = qobject_cast<pzDynamicWidget*>(widget)) {
        chance(60) ? holder->setWidget(someWidget(widget)) : delete holder->takeWidget();
    } else if (auto* bar = qobject_cast<pzBoxTop*>(widget)) {
        const QList<QWidget*> buttons{bar->programButton(), bar->iconifyButton(),
                                      bar->minimizeButton(), bar->closeButton()};
        if (QWidget* button = buttons[pick(buttons.size())])
            chance(50) ? reparent(button) : delete button;
    }
}

void World::paint() {
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    pzPaint paint(painter);
    const QRect rect = hostileRect();
    switch (pick(4)) {
    case 0:
        paint.drawRect(rect, Qt::red);
        break;
    case 1:
        paint.drawHGradient(rect, Qt::red, Qt::blue);
        break;
    case 2:
        paint.drawVGradient(rect, Qt::red, Qt::blue);
        break;
    default:
        paint.drawTextElided(rect, hostileText());
        break;
    }
}

void World::step() {
    QWidget* widget = anyWidget();
    const int action = widget ? pick(100) : 0;
    if (action < 15)
        create();
    else if (action < 50)
        callOn(widget);
    else if (action < 58)
        chance(50) ? delete widget : widget->deleteLater();
    else if (action < 66)
        reparent(widget);
    else if (action < 76)
        widget->setVisible(!widget->isVisible());
    else if (action < 84)
        widget->resize(pick(700) - 20, pick(700) - 20);
    else if (action < 90)
        paint();
    else if (action < 94 && !pages.isEmpty())
        delete pages[pick(pages.size())].data();
    else
        widget->grab();
    if (chance(30))
        QCoreApplication::processEvents();
    if (chance(10))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void World::clear() {
    for (const QPointer<QWidget>& widget : std::as_const(widgets))
        delete widget.data();
    for (const QPointer<pzListMenu>& page : std::as_const(pages))
        delete page.data();
    widgets.clear();
    pages.clear();
    holders.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class tst_apiFuzz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sequences();
    void cleanupTestCase();

private:
    QtMessageHandler previousHandler = nullptr;
};

void tst_apiFuzz::initTestCase() {
#ifdef FUZZ_SANITIZED
    __sanitizer_set_death_callback(tellSeed);
#else
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(signal, onFatalSignal);
#endif
    std::signal(SIGALRM, onStuckSequence);
    previousHandler = qInstallMessageHandler(dropMessages);
}

void tst_apiFuzz::sequences() {
    const int steps = envNumber("VERRIN_FUZZ_STEPS", 300);
    // Far above what one sequence takes, even under the sanitizers on a busy machine.
    const unsigned secondsPerSeed = 30;
    bool replay = false;
    const quint32 replaySeed = quint32(envNumber("VERRIN_FUZZ_SEED", 0));
    replay = qEnvironmentVariableIsSet("VERRIN_FUZZ_SEED");
    const qint64 budget = qint64(envNumber("VERRIN_FUZZ_SECONDS", 3)) * 1000;
    // Fresh seeds each run, so that the sanitizer runs keep finding new sequences.
    quint32 seed = replay ? replaySeed : QRandomGenerator::global()->generate() >> 1;
    QElapsedTimer clock;
    clock.start();
    int seeds = 0;
    do {
        currentSeed = seed;
        alarm(secondsPerSeed);
        {
            World world(seed);
            for (int i = 0; i < steps; ++i)
                world.step();
        }
        // Qt holds every widget until the application ends: a leaked one shows here, not to the
        // leak checker.
        if (!QApplication::topLevelWidgets().isEmpty()) {
            tellSeed();
            QFAIL("widgets outlived the sequence");
        }
#ifdef FUZZ_SANITIZED
        if (__lsan_do_recoverable_leak_check() != 0) {
            tellSeed();
            QFAIL("memory leaked");
        }
#endif
        ++seeds;
        ++seed;
    } while (!replay && clock.elapsed() < budget);
    alarm(0);
    qInstallMessageHandler(previousHandler);
    qInfo("%d seeds of %d steps, from %u", seeds, steps, seed - quint32(seeds));
}

void tst_apiFuzz::cleanupTestCase() {
    qInstallMessageHandler(previousHandler);
}

QTEST_MAIN(tst_apiFuzz)
#include "tst_apiFuzz.moc"
