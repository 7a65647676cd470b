// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvMainContent.h"

#include "pzPicture.h"
#include "rvGeneratorCar.h"
#include "rvGeneratorMan.h"
#include "rvMainContent_p.h"
#include "rvRoadMap.h"
#include "rvSound.h"
#include "rvSprite.h"

#include <QGraphicsScene>
#include <QHash>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int TrafficInterval = 2000; // ms
// Frames per second where the screen does not say how often it refreshes.
constexpr qreal FallbackRefreshRate = 60;

QString tilePicture(int code) {
    if (code == rvTile::Road || (code >= rvTile::FirstCarSpawn && code <= rvTile::LastCarSpawn))
        return QStringLiteral(":/roadSprite.png");
    if (code == rvTile::Sidewalk ||
        (code >= rvTile::FirstPedestrianSpawn && code <= rvTile::LastPedestrianSpawn))
        return QStringLiteral(":/sideSprite.png");
    return QStringLiteral(":/grassSprite.png");
}

} // namespace

rvMainContent::rvMainContent(QWidget* parent)
    : QGraphicsView(parent)
    , rvPrivatable(own(new rvMainContentPrivate)) {
    Q_D(rvMainContent);
    d->wallpaper.setPicture(QStringLiteral(":/wallFallout.jpg"));
    // Parented to the view so that the scene, and every item still in it, goes with the view.
    d->scene = new QGraphicsScene(this);
    // All the traffic moves on every tick. Keeping a BSP index of it up to date, and the sort by
    // stacking order that QGraphicsScene::advance() then does twice per tick, cost far more
    // than a linear search of a few hundred items.
    d->scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(d->scene);
    setBackgroundBrush(QBrush(QColor(0, 0, 0, 200), Qt::SolidPattern));
    buildMap(RoadMapColumns, RoadMapRows, roadMap);
    setFrameStyle(0);
    // Nothing in the view takes keys: Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("City"));
    setAccessibleDescription(tr("Top-down view of a city block with moving cars and pedestrians"));
    // The block is seen whole. Where the window is a pixel smaller than the scene (a smaller
    // window, rounding at fractional scales), scroll bars would only cover it.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    startTimers();
    // The animation ticks as often as the event loop comes round, and something moves every
    // millisecond. Repainting after each of those ticks kept the main thread painting nearly all
    // the time, so that anything else it serves (a screen reader's calls above all) waited for a
    // frame nobody could see. The view is repainted once per frame of the screen instead: the
    // entities still move by the same clock at every tick, only fewer of their positions are
    // drawn.
    setViewportUpdateMode(QGraphicsView::NoViewportUpdate);
}

rvMainContent::~rvMainContent() = default;

void rvMainContent::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}

void rvMainContent::mouseReleaseEvent(QMouseEvent* event) {
    event->ignore();
}

void rvMainContent::paintEvent(QPaintEvent* event) {
    Q_D(rvMainContent);
    QGraphicsView::paintEvent(event);
    // The sound object comes once the first frame is out: loading Qt Multimedia would delay it.
    if (!d->soundRequested) {
        d->soundRequested = true;
        QMetaObject::invokeMethod(this, &rvMainContent::createSound, Qt::QueuedConnection);
    }
}

void rvMainContent::showEvent(QShowEvent* event) {
    Q_D(rvMainContent);
    QGraphicsView::showEvent(event);
    const QScreen* shown = screen();
    const qreal rate =
        shown && shown->refreshRate() > 0 ? shown->refreshRate() : FallbackRefreshRate;
    d->frameTimer->start(qMax(1, qRound(1000 / rate)));
}

void rvMainContent::hideEvent(QHideEvent* event) {
    Q_D(rvMainContent);
    d->frameTimer->stop();
    QGraphicsView::hideEvent(event);
}

void rvMainContent::resizeEvent(QResizeEvent* event) {
    Q_D(rvMainContent);
    QGraphicsView::resizeEvent(event);
    d->wallpaper.resize(rect());
}

void rvMainContent::updateTraffic() {
    Q_D(rvMainContent);
    const QVector<rvGenerator*> generators = d->generators;
    for (rvGenerator* generator : generators)
        generator->update();
}

void rvMainContent::buildMap(int columns, int rows, const int* cells) {
    Q_D(rvMainContent);
    clearTiles();
    // Three pictures for 140 tiles: each is looked up once, not once per tile.
    QHash<QString, QPixmap> pictures;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int code = cells[row * columns + column];
            const QRectF tile(TileSize * column, TileSize * row, TileSize, TileSize);
            const QString name = tilePicture(code);
            if (!pictures.contains(name))
                pictures.insert(name, pzPicture::load(name));
            auto* sprite = new rvSprite(pictures.value(name));
            addGenerator(code, tile);
            d->tiles.append(sprite);
            d->scene->addItem(sprite);
            sprite->setPos(tile.topLeft());
        }
    }
    addTowers(QPoint(0, rows * TileSize));
    addTowers(QPoint(576, rows * TileSize));
    addTowers(QPoint(0, 192));
    addTowers(QPoint(576, 192));
    d->scene->setSceneRect(0, 0, columns * TileSize, rows * TileSize);
}

void rvMainContent::addGenerator(int code, const QRectF& tile) {
    Q_D(rvMainContent);
    rvGenerator* generator = nullptr;
    if (code >= rvTile::FirstPedestrianSpawn && code <= rvTile::LastPedestrianSpawn) {
        generator = new rvGeneratorMan(this);
        generator->setDirection(code - rvTile::FirstPedestrianSpawn);
    } else if (code >= rvTile::FirstCarSpawn && code <= rvTile::LastCarSpawn) {
        generator = new rvGeneratorCar(this);
        generator->setDirection(code - rvTile::FirstCarSpawn);
    } else {
        return;
    }
    generator->setGeometry(tile);
    generator->setScene(d->scene);
    d->generators.append(generator);
}

void rvMainContent::clearTiles() {
    Q_D(rvMainContent);
    for (QGraphicsItem* tile : std::as_const(d->tiles)) {
        d->scene->removeItem(tile);
        delete tile;
    }
    d->tiles.clear();
}

// A pair of towers standing on a grass block, from the bottom-left corner of the first.
void rvMainContent::addTowers(const QPoint& base) {
    Q_D(rvMainContent);
    constexpr int Gap = 32;
    const QPixmap tower = pzPicture::load(QStringLiteral(":/tower.png"));
    auto* first = new rvSprite(tower);
    d->scene->addItem(first);
    first->setZValue(2);
    first->setPos(base.x(), base.y() - first->boundingRect().height());
    auto* second = new rvSprite(tower);
    d->scene->addItem(second);
    second->setZValue(2);
    second->setPos(base.x() + second->boundingRect().width() + Gap,
                   base.y() - second->boundingRect().height());
}

void rvMainContent::startTimers() {
    Q_D(rvMainContent);
    d->animationTimer = new QTimer(this);
    d->animationTimer->setObjectName(QStringLiteral("animationTimer"));
    d->trafficTimer = new QTimer(this);
    d->trafficTimer->setObjectName(QStringLiteral("trafficTimer"));
    connect(d->animationTimer, &QTimer::timeout, d->scene, &QGraphicsScene::advance);
    connect(d->trafficTimer, &QTimer::timeout, this, &rvMainContent::updateTraffic);
    d->frameTimer = new QTimer(this);
    d->frameTimer->setObjectName(QStringLiteral("frameTimer"));
    d->frameTimer->setTimerType(Qt::PreciseTimer);
    connect(d->frameTimer, &QTimer::timeout, viewport(), qOverload<>(&QWidget::update));
    d->animationTimer->start();
    d->trafficTimer->start(TrafficInterval);
}

void rvMainContent::createSound() {
    Q_D(rvMainContent);
    d->sound = rvSound::create(QStringLiteral("Daft.ogg"), this);
}
