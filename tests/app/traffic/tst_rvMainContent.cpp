// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainContent.h"

#include "rvEntity.h"
#include "rvGeneratorCar.h"
#include "rvGeneratorMan.h"
#include "rvRoadMap.h"
#include "rvSound.h"
#include "trafficTesting.h"

#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Counts the mouse presses and releases that reach it.
class ProbeParent : public QWidget {
public:
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

class tst_rvMainContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void sceneHoldsTilesAndTowers();
    void tilesFollowTheMap();
    void towersStandOnTheGrassBlocks_data();
    void towersStandOnTheGrassBlocks();
    void towersStandAboveTheTraffic();
    void generatorsInMapOrder();
    void timers();
    void trafficUpdateServesGeneratorsInOrder();
    void animationMovesTheTraffic();
    void repaintsOncePerScreenFrame();
    void mouseButtonsGoToTheParent();
    void drawsTheMap();
    void soundIsQuietWithOrWithoutItsFile_data();
    void soundIsQuietWithOrWithoutItsFile();
    void sceneGoesWithTheView();
    void noScrollBarsWhenSmallerThanTheScene();
};

static QList<QGraphicsItem*> towers(QGraphicsScene* scene) {
    QList<QGraphicsItem*> found;
    for (QGraphicsItem* item : scene->items(Qt::AscendingOrder))
        if (item->zValue() == 2)
            found.append(item);
    return found;
}

static QList<rvGenerator*> generatorsOf(const rvMainContent& view) {
    return view.findChildren<rvGenerator*>(QString(), Qt::FindDirectChildrenOnly);
}

void tst_rvMainContent::initTestCase() {
    rvSound::moduleFolders().append(QStringLiteral(VERRIN_SOUND_MODULE_FOLDER));
}

void tst_rvMainContent::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    rvRandom::seed(3);
}

void tst_rvMainContent::sceneHoldsTilesAndTowers() {
    rvMainContent view;
    QCOMPARE(view.scene()->items().size(), 148);
    QCOMPARE(towers(view.scene()).size(), 8);
    // Fixed, although the upper towers reach above it and other items may lie outside.
    QCOMPARE(view.scene()->sceneRect(), QRectF(0, 0, 896, 640));
    view.scene()->addRect(1000, 1000, 50, 50);
    QCOMPARE(view.scene()->sceneRect(), QRectF(0, 0, 896, 640));
}

void tst_rvMainContent::tilesFollowTheMap() {
    rvMainContent view;
    for (int row = 0; row < RoadMapRows; ++row) {
        for (int column = 0; column < RoadMapColumns; ++column) {
            const QPointF corner(TileSize * column, TileSize * row);
            QList<QGraphicsItem*> tiles;
            for (QGraphicsItem* item : view.scene()->items(corner + QPointF(1, 1)))
                if (item->zValue() == 0)
                    tiles.append(item);
            QCOMPARE(tiles.size(), 1);
            QCOMPARE(tiles.first()->pos(), corner);
            QCOMPARE(tiles.first()->boundingRect(), QRectF(0, 0, 64, 64));
        }
    }
}

void tst_rvMainContent::towersStandOnTheGrassBlocks_data() {
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::newRow("lower left") << QPointF(0, 401) << QPointF(176, 401);
    QTest::newRow("lower right") << QPointF(576, 401) << QPointF(752, 401);
    QTest::newRow("upper left") << QPointF(0, -47) << QPointF(176, -47);
    QTest::newRow("upper right") << QPointF(576, -47) << QPointF(752, -47);
}

void tst_rvMainContent::towersStandOnTheGrassBlocks() {
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    rvMainContent view;
    QList<QPointF> positions;
    for (QGraphicsItem* tower : towers(view.scene())) {
        QCOMPARE(tower->boundingRect(), QRectF(0, 0, 144, 239));
        positions.append(tower->pos());
    }
    QVERIFY(positions.contains(first));
    QVERIFY(positions.contains(second));
}

// A pedestrian on sidewalk row 6 passes under a lower tower; a car drives over the road tiles.
void tst_rvMainContent::towersStandAboveTheTraffic() {
    ManualClock clock;
    rvMainContent view;
    rvGenerator* fromLeft = generatorsOf(view).at(7); // pedestrians from (0, 6), going right
    seedForNextDraw(3, 0);
    fromLeft->update();
    rvEntity* man = fromLeft->entities().first();
    const QPointF underTower = man->sceneBoundingRect().center();
    QList<QGraphicsItem*> stack =
        view.scene()->items(underTower, Qt::IntersectsItemShape, Qt::DescendingOrder);
    QCOMPARE(stack.size(), 3);
    QCOMPARE(stack.at(0)->zValue(), 2.0);
    QCOMPARE(stack.at(1), man);
    QCOMPARE(stack.at(2)->zValue(), 0.0);
}

void tst_rvMainContent::generatorsInMapOrder() {
    rvMainContent view;
    const QList<rvGenerator*> generators = generatorsOf(view);
    const QList<QPoint> cells = {{5, 0}, {6, 0}, {8, 0},  {0, 3}, {13, 3}, {13, 4},
                                 {0, 5}, {0, 6}, {13, 6}, {5, 9}, {7, 9},  {8, 9}};
    QCOMPARE(generators.size(), cells.size());
    for (int i = 0; i < cells.size(); ++i) {
        const QPoint cell = cells[i];
        rvGenerator* generator = generators[i];
        const int code = tileAt(cell.x(), cell.y());
        const bool cars = code >= 20;
        QCOMPARE(qobject_cast<rvGeneratorCar*>(generator) != nullptr, cars);
        QCOMPARE(qobject_cast<rvGeneratorMan*>(generator) != nullptr, !cars);
        QCOMPARE(generator->direction(), code % 10);
        QCOMPARE(generator->geometry(), QRectF(64 * cell.x(), 64 * cell.y(), 64, 64));
        QCOMPARE(generator->scene(), view.scene());
        QVERIFY(generator->entities().isEmpty());
    }
}

void tst_rvMainContent::timers() {
    rvMainContent view;
    auto* animation = view.findChild<QTimer*>(QStringLiteral("animationTimer"));
    auto* traffic = view.findChild<QTimer*>(QStringLiteral("trafficTimer"));
    QVERIFY(animation && traffic);
    QVERIFY(animation->isActive());
    QCOMPARE(animation->interval(), 0);
    QVERIFY(traffic->isActive());
    QCOMPARE(traffic->interval(), 2000);
    QVERIFY(!traffic->isSingleShot());
}

// Cars draw one number for their model, pedestrians three; replaying the draws in map order
// gives exactly the entities the view's update makes.
void tst_rvMainContent::trafficUpdateServesGeneratorsInOrder() {
    rvMainContent view;
    const QList<rvGenerator*> generators = generatorsOf(view);
    rvRandom::seed(2024);
    QList<int> expected;
    for (int round = 0; round < 3; ++round) {
        for (rvGenerator* generator : generators) {
            const bool spawns = rvRandom::draw(3) != 2;
            if (spawns)
                rvRandom::draw(3);
            if (spawns && qobject_cast<rvGeneratorMan*>(generator)) {
                rvRandom::draw(41);
                rvRandom::draw(41);
            }
            expected.append(spawns);
        }
    }
    const int next = rvRandom::draw(1000000);

    rvRandom::seed(2024);
    QList<int> made;
    QList<int> before(generators.size(), 0);
    for (int round = 0; round < 3; ++round) {
        QMetaObject::invokeMethod(&view, "updateTraffic");
        for (int i = 0; i < generators.size(); ++i) {
            made.append(generators[i]->entities().size() - before[i]);
            before[i] = generators[i]->entities().size();
        }
    }
    QCOMPARE(made, expected);
    QCOMPARE(rvRandom::draw(1000000), next);
}

void tst_rvMainContent::animationMovesTheTraffic() {
    ManualClock clock;
    rvMainContent view;
    rvGenerator* down = generatorsOf(view).at(1); // cars from (6, 0)
    seedForNextDraw(3, 0);
    down->update();
    rvEntity* car = down->entities().first();
    const QPointF start = car->pos();
    clock.advance(100ms);
    QTRY_VERIFY_WITH_TIMEOUT(car->pos().y() > start.y(), 1000);
    QCOMPARE(car->pos().x(), start.x());
    QVERIFY(qAbs(car->pos().y() - start.y() - 15) < 1e-3);
}

// A tick moves the traffic without painting; the frames of the screen show it.
void tst_rvMainContent::repaintsOncePerScreenFrame() {
    ManualClock clock;
    rvMainContent view;
    auto* frames = view.findChild<QTimer*>(QStringLiteral("frameTimer"));
    QVERIFY(frames && !frames->isActive());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(frames->interval(), qRound(1000 / view.screen()->refreshRate()));
    PaintCounter counter(view.viewport());
    QTRY_VERIFY(counter.paints >= 2);

    frames->stop();
    QCoreApplication::processEvents();
    const int painted = counter.paints;
    rvGenerator* down = generatorsOf(view).at(1);
    seedForNextDraw(3, 0);
    down->update();
    clock.advance(100ms);
    view.scene()->advance();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, painted);

    view.hide();
    QVERIFY(!frames->isActive());
}

void tst_rvMainContent::mouseButtonsGoToTheParent() {
    ProbeParent parent;
    auto* view = new rvMainContent(&parent);
    parent.resize(900, 644);
    view->resize(900, 644);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
    QCOMPARE(parent.presses, 1);
    QCOMPARE(parent.releases, 1);
    QCOMPARE(view->scene()->mouseGrabberItem(), nullptr);
}

// The scene is centred in a slightly larger view; the tiles show unscaled.
void tst_rvMainContent::drawsTheMap() {
    rvMainContent view;
    view.resize(900, 644);
    const QImage shot = view.grab().toImage();
    QCOMPARE(shot.size(), QSize(900, 644));
    const QImage road =
        QImage(QStringLiteral(":/roadSprite.png")).convertToFormat(QImage::Format_RGB32);
    const QImage grass =
        QImage(QStringLiteral(":/grassSprite.png")).convertToFormat(QImage::Format_RGB32);
    const QImage side =
        QImage(QStringLiteral(":/sideSprite.png")).convertToFormat(QImage::Format_RGB32);
    const QPoint margin(2, 2);
    for (const QPoint& inTile : {QPoint(0, 0), QPoint(10, 50), QPoint(63, 63)}) {
        QCOMPARE(shot.pixel(margin + QPoint(6 * 64, 2 * 64) + inTile), road.pixel(inTile));
        QCOMPARE(shot.pixel(margin + QPoint(8 * 64, 1 * 64) + inTile), side.pixel(inTile));
    }
    // Grass shows only in the 32-pixel gap between the two towers of a pair (x 144 to 175).
    for (const QPoint& inTile : {QPoint(16, 0), QPoint(30, 40), QPoint(47, 63)})
        QCOMPARE(shot.pixel(margin + QPoint(2 * 64, 8 * 64) + inTile), grass.pixel(inTile));
}

void tst_rvMainContent::soundIsQuietWithOrWithoutItsFile_data() {
    QTest::addColumn<bool>("fileThere");
    QTest::newRow("no Daft.ogg") << false;
    QTest::newRow("Daft.ogg there") << true;
}

void tst_rvMainContent::soundIsQuietWithOrWithoutItsFile() {
    QFETCH(bool, fileThere);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));
    if (fileThere) {
        QFile file(QStringLiteral("Daft.ogg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("OggS not really a sound");
    }
    {
        rvMainContent view;
        // Made once the first frame is out, by the module next to the program.
        QVERIFY(!view.findChild<QSoundEffect*>(QStringLiteral("sound")));
        view.show();
        QSoundEffect* sound = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(sound = view.findChild<QSoundEffect*>(QStringLiteral("sound")),
                                 5000);
        QCOMPARE(sound->property("fileName").toString(), QStringLiteral("Daft.ogg"));
        QCOMPARE(sound->loopCount(), int(QSoundEffect::Infinite));
        QVERIFY(!sound->isPlaying());
        QTest::qWait(50); // a decoder would report asynchronously
    }
    QVERIFY(QDir::setCurrent(previous));
}

void tst_rvMainContent::sceneGoesWithTheView() {
    auto* view = new rvMainContent;
    QPointer<QGraphicsScene> scene = view->scene();
    delete view;
    QVERIFY(scene.isNull());
}

void tst_rvMainContent::noScrollBarsWhenSmallerThanTheScene() {
    rvMainContent view;
    view.resize(895, 639);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(!view.horizontalScrollBar()->isVisible());
    QVERIFY(!view.verticalScrollBar()->isVisible());
    QCOMPARE(view.viewport()->size(), QSize(895, 639));
}

QTEST_MAIN(tst_rvMainContent)
#include "tst_rvMainContent.moc"
