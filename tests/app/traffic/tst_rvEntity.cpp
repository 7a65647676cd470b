// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "rvEntity.h"

#include "rvCar.h"
#include "trafficTesting.h"

#include <QGraphicsRectItem>
#include <QPixmapCache>
#include <QTest>

// The behaviour all entities share, seen through a car of the first model.
class tst_rvEntity : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pictureName_data();
    void pictureName();
    void picturesAreDecodedOnceAndMissingOnesAreNull();
    void newEntity();
    void plainEntityHasTheSameStart();
    void setPositionMovesTheItemOnlyAtTheNextTick();
    void travelsAlongItsDirection_data();
    void travelsAlongItsDirection();
    void unknownDirectionShowsNothingAndFinishes();

private:
    rvEntity* addEntity(int direction, const QPointF& position);

    ManualClock* mClock = nullptr;
    QGraphicsScene* mScene = nullptr;
};

void tst_rvEntity::init() {
    mClock = new ManualClock;
    mScene = new EmptyBlock;
}

void tst_rvEntity::cleanup() {
    delete mScene;
    delete mClock;
}

rvEntity* tst_rvEntity::addEntity(int direction, const QPointF& position) {
    seedForNextDraw(3, 0);
    auto* entity = new rvCar;
    mScene->addItem(entity);
    entity->setDirection(direction);
    entity->setPosition(position);
    return entity;
}

void tst_rvEntity::pictureName_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("name");
    QTest::newRow("car 2 left") << ":/car" << 2 << 3 << ":/car2Left.png";
    QTest::newRow("car 1 up") << ":/car" << 1 << 0 << ":/car1Up.png";
    QTest::newRow("man 3 right") << ":/man" << 3 << 1 << ":/man3Right.png";
    QTest::newRow("man 1 down") << ":/man" << 1 << 2 << ":/man1Down.png";
    QTest::newRow("no direction word") << ":/car" << 2 << 4 << ":/car2.png";
    QTest::newRow("negative direction") << ":/man" << 1 << -1 << ":/man1.png";
}

void tst_rvEntity::pictureName() {
    QFETCH(QString, prefix);
    QFETCH(int, variant);
    QFETCH(int, direction);
    QFETCH(QString, name);
    QCOMPARE(rvEntity::pictureName(prefix, variant, direction), name);
}

void tst_rvEntity::picturesAreDecodedOnceAndMissingOnesAreNull() {
    const QString name = QStringLiteral(":/car1Up.png");
    const QPixmap first = rvEntity::picture(name);
    QVERIFY(!first.isNull());
    QCOMPARE(first.toImage(), QPixmap(name).toImage());
    QCOMPARE(rvEntity::picture(name).cacheKey(), first.cacheKey());

    QPixmapCache::clear();
    QCOMPARE(rvEntity::picture(name).toImage(), first.toImage());

    for (int attempt = 0; attempt < 2; ++attempt)
        QVERIFY(rvEntity::picture(QStringLiteral(":/noSuchCar.png")).isNull());
}

void tst_rvEntity::newEntity() {
    seedForNextDraw(3, 0);
    rvCar entity;
    QCOMPARE(entity.zValue(), 1.0);
    QCOMPARE(entity.direction(), 0);
    QCOMPARE(entity.position(), QPointF(-1, -1));
    QCOMPARE(entity.pos(), QPointF(0, 0));
    QVERIFY(!entity.isFinished());
}

// A kind without a record of its own, built on the public constructor.
class PlainEntity : public rvEntity {
public:
    using rvEntity::rvEntity;
    int type() const override { return 3; }
    void updatePixmap() override { loadPixmap(QStringLiteral(":/car"), 1); }
};

void tst_rvEntity::plainEntityHasTheSameStart() {
    QGraphicsRectItem parent;
    PlainEntity entity(&parent);
    QCOMPARE(entity.parentItem(), &parent);
    QCOMPARE(entity.zValue(), 1.0);
    QCOMPARE(entity.position(), QPointF(-1, -1));
    QVERIFY(!entity.isFinished());
    entity.setDirection(1);
    QCOMPARE(entity.boundingRect().size(), QPixmap(":/car1Right.png").size());
}

void tst_rvEntity::setPositionMovesTheItemOnlyAtTheNextTick() {
    rvEntity* entity = addEntity(1, QPointF(100, 200));
    QCOMPARE(entity->pos(), QPointF(0, 0));
    entity->advance(0);
    QCOMPARE(entity->pos(), QPointF(0, 0));
    entity->advance(1);
    QCOMPARE(entity->pos(), QPointF(100, 200));
}

void tst_rvEntity::travelsAlongItsDirection_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPointF>("expected");
    QTest::addColumn<QSizeF>("picture");
    QTest::newRow("up") << 0 << QPointF(300, 285) << QSizeF(39, 64);
    QTest::newRow("right") << 1 << QPointF(315, 300) << QSizeF(64, 39);
    QTest::newRow("down") << 2 << QPointF(300, 315) << QSizeF(39, 64);
    QTest::newRow("left") << 3 << QPointF(285, 300) << QSizeF(64, 39);
}

void tst_rvEntity::travelsAlongItsDirection() {
    QFETCH(int, direction);
    QFETCH(QPointF, expected);
    QFETCH(QSizeF, picture);
    rvEntity* entity = addEntity(direction, QPointF(300, 300));
    QCOMPARE(entity->boundingRect().size(), picture);
    mClock->advance(100ms);
    mScene->advance();
    QVERIFY(qAbs(entity->position().x() - expected.x()) < 1e-4);
    QVERIFY(qAbs(entity->position().y() - expected.y()) < 1e-4);
    QCOMPARE(entity->pos(), entity->position());
}

// Its picture name has no direction word and names no resource; an empty picture is never
// inside the scene.
void tst_rvEntity::unknownDirectionShowsNothingAndFinishes() {
    rvEntity* entity = addEntity(5, QPointF(300, 300));
    QCOMPARE(entity->boundingRect(), QRectF());
    mClock->advance(10ms);
    mScene->advance();
    QVERIFY(entity->isFinished());
    QVERIFY(!entity->isVisible());
    QCOMPARE(entity->position(), QPointF(300, 300));
}

QTEST_MAIN(tst_rvEntity)
#include "tst_rvEntity.moc"
