#include "rvEntity.h"

#include "trafficTesting.h"

#include <QTest>

// A bare entity that counts its picture reloads and shows the first car's pictures.
class ProbeEntity : public rvEntity {
public:
    int type() const override { return 99; }
    void updatePixmap() override {
        ++reloads;
        loadPixmap(QStringLiteral(":/car"), 1);
    }
    void advance(int phase) override {
        if (isFinished())
            return;
        if (phase != 0) {
            setPos(position());
            return;
        }
        travel(qreal(elapsedSinceLastStep()));
        leaveIfOutside();
    }

    int reloads = 0;
};

class tst_rvEntity : public QObject {
    Q_OBJECT

private slots:
    void pictureName_data();
    void pictureName();
    void newEntity();
    void setDirectionReloadsThePicture();
    void setPositionLeavesTheItemWhereItIs();
    void travelsAlongItsDirection_data();
    void travelsAlongItsDirection();
    void unknownDirectionShowsNothingAndFinishes();
};

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

void tst_rvEntity::newEntity() {
    ProbeEntity entity;
    QCOMPARE(entity.zValue(), 1.0);
    QCOMPARE(entity.direction(), 0);
    QCOMPARE(entity.position(), QPointF(-1, -1));
    QCOMPARE(entity.pos(), QPointF(0, 0));
    QVERIFY(!entity.isFinished());
    QCOMPARE(entity.reloads, 0);
    QCOMPARE(entity.boundingRect(), QRectF());
}

void tst_rvEntity::setDirectionReloadsThePicture() {
    ProbeEntity entity;
    entity.setDirection(1);
    QCOMPARE(entity.reloads, 1);
    QCOMPARE(entity.boundingRect(), QRectF(0, 0, 64, 39));
    entity.setDirection(1);
    QCOMPARE(entity.reloads, 2);
    entity.setDirection(2);
    QCOMPARE(entity.boundingRect(), QRectF(0, 0, 39, 64));
}

void tst_rvEntity::setPositionLeavesTheItemWhereItIs() {
    ManualClock clock;
    EmptyBlock scene;
    auto* entity = new ProbeEntity;
    scene.addItem(entity);
    entity->setDirection(1);
    entity->setPosition(QPointF(100, 200));
    QCOMPARE(entity->pos(), QPointF(0, 0));
    scene.advance();
    QCOMPARE(entity->pos(), QPointF(100, 200));
}

void tst_rvEntity::travelsAlongItsDirection_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("up") << 0 << QPointF(300, 290);
    QTest::newRow("right") << 1 << QPointF(310, 300);
    QTest::newRow("down") << 2 << QPointF(300, 310);
    QTest::newRow("left") << 3 << QPointF(290, 300);
}

void tst_rvEntity::travelsAlongItsDirection() {
    QFETCH(int, direction);
    QFETCH(QPointF, expected);
    ManualClock clock;
    EmptyBlock scene;
    auto* entity = new ProbeEntity;
    scene.addItem(entity);
    entity->setDirection(direction);
    entity->setPosition(QPointF(300, 300));
    clock.advance(10ms);
    scene.advance();
    QCOMPARE(entity->position(), expected);
    QCOMPARE(entity->pos(), expected);
}

// The picture name has no direction word, names no resource, and an empty picture is never
// inside the scene.
void tst_rvEntity::unknownDirectionShowsNothingAndFinishes() {
    ManualClock clock;
    EmptyBlock scene;
    auto* entity = new ProbeEntity;
    scene.addItem(entity);
    entity->setDirection(5);
    entity->setPosition(QPointF(300, 300));
    QCOMPARE(entity->boundingRect(), QRectF());
    clock.advance(10ms);
    scene.advance();
    QVERIFY(entity->isFinished());
    QVERIFY(!entity->isVisible());
    QCOMPARE(entity->position(), QPointF(300, 300));
}

QTEST_MAIN(tst_rvEntity)
#include "tst_rvEntity.moc"
