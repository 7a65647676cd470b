// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artCatalogue.h"
#include "artImage.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const char* const Directions[] = {"Up", "Right", "Down", "Left"};

QHash<QString, QImage>& drawn() {
    static QHash<QString, QImage> images;
    return images;
}

QImage picture(const QString& name) {
    QHash<QString, QImage>& images = drawn();
    if (images.isEmpty()) {
        for (const artPicture& picture : artCatalogue::pictures())
            images.insert(picture.name, picture.draw().convertToFormat(QImage::Format_ARGB32));
    }
    return images.value(name);
}

QStringList collectionFiles(const QString& qrc) {
    QFile file(QStringLiteral(ARTWORK_SOURCE_DIR) + "/" + qrc);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
    auto matches = entry.globalMatch(QString::fromUtf8(file.readAll()));
    while (matches.hasNext())
        names.append(matches.next().captured(1));
    return names;
}

int alphaAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

// Equal but for the last bit of a channel of translucent pixels: Qt takes the alpha out of them
// with other rounding on processors with other vector units.
bool sameUpToAlphaRounding(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) != qAlpha(q) || std::abs(qRed(p) - qRed(q)) > 1 ||
                std::abs(qGreen(p) - qGreen(q)) > 1 || std::abs(qBlue(p) - qBlue(q)) > 1)
                return false;
        }
    return true;
}

bool isOpaqueEverywhere(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (alphaAt(image, x, y) != 255)
                return false;
    return true;
}

int strongestBorderAlpha(const QImage& image) {
    int strongest = 0;
    for (int x = 0; x < image.width(); ++x)
        strongest =
            std::max({strongest, alphaAt(image, x, 0), alphaAt(image, x, image.height() - 1)});
    for (int y = 0; y < image.height(); ++y)
        strongest =
            std::max({strongest, alphaAt(image, 0, y), alphaAt(image, image.width() - 1, y)});
    return strongest;
}

double colourStep(QRgb a, QRgb b) {
    return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
            std::abs(qBlue(a) - qBlue(b))) /
           3.0;
}

// Mean colour step between column x and the column after it (wrapping), over all rows.
double columnStep(const QImage& image, int x) {
    const int next = (x + 1) % image.width();
    double sum = 0.0;
    for (int y = 0; y < image.height(); ++y)
        sum += colourStep(image.pixel(x, y), image.pixel(next, y));
    return sum / image.height();
}

// Headlights are the only pale yellow on a car.
QPointF centreOfHeadlights(const QImage& image) {
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255 && qRed(p) > 240 && qGreen(p) > 235 && qRed(p) - qBlue(p) > 20) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count ? sum / count : QPointF(-1, -1);
}

QImage transposed(const QImage& image) {
    return artImage::rotated(image.mirrored(true, false), 1);
}

// Mean difference per channel, premultiplied, so that colours under full transparency count not.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0.0;
    for (int y = 0; y < pa.height(); ++y) {
        for (int x = 0; x < pa.width(); ++x) {
            const QRgb p = pa.pixel(x, y);
            const QRgb q = pb.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * pa.width() * pa.height());
}

} // namespace

class tst_artwork : public QObject {
    Q_OBJECT

private slots:
    void catalogueMatchesCollections();
    void sizes_data();
    void sizes();
    void tilesWrapSeamlessly_data();
    void tilesWrapSeamlessly();
    void turnsShowTheSameCar_data();
    void turnsShowTheSameCar();
    void carsFaceTheirDirection_data();
    void carsFaceTheirDirection();
    void nothingIsClippedAtTheEdges();
    void windowGlyphsAreCrispWhite();
    void windowGlyphsMatchTheirMeaning();
    void logoRenditionsShareOneShape();
    void towerStandsOnTheGround();
    void filesAreRepeatableAndSmall();
    void partnersAreDrawnAtTwiceTheSize();
    void committedFilesAreWhatTheGeneratorDraws();
};

void tst_artwork::catalogueMatchesCollections() {
    QStringList program;
    QStringList toolkit;
    for (const artPicture& picture : artCatalogue::pictures()) {
        if (picture.folder == artPicture::Program)
            program.append(picture.name);
        else if (picture.folder == artPicture::Toolkit)
            toolkit.append(picture.name);
    }
    QStringList programFiles = collectionFiles("app/resources/verrin.qrc");
    QStringList toolkitFiles = collectionFiles("toolkit/resources/pzTools.qrc");
    QVERIFY(!programFiles.isEmpty());
    QVERIFY(!toolkitFiles.isEmpty());
    program.sort();
    toolkit.sort();
    programFiles.sort();
    toolkitFiles.sort();
    QCOMPARE(program, programFiles);
    QCOMPARE(toolkit, toolkitFiles);
}

void tst_artwork::sizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("grass") << "grassSprite.png" << QSize(64, 64) << false;
    QTest::newRow("road") << "roadSprite.png" << QSize(64, 64) << false;
    QTest::newRow("sidewalk") << "sideSprite.png" << QSize(64, 64) << false;
    QTest::newRow("tower") << "tower.png" << QSize(144, 239) << true;
    QTest::newRow("fallout") << "wallFallout.jpg" << QSize(800, 600) << false;
    QTest::newRow("vista") << "wallVista.jpg" << QSize(1280, 1024) << false;
    QTest::newRow("red") << "wallRed.png" << QSize(1680, 1050) << false;
    QTest::newRow("about") << "about.png" << QSize(32, 32) << true;
    QTest::newRow("exit") << "exit.png" << QSize(32, 32) << true;
    QTest::newRow("portrait") << "PictureOren.png" << QSize(300, 464) << false;
    QTest::newRow("logo small") << "niraLogoWhiteSmall.png" << QSize(22, 22) << true;
    QTest::newRow("logo white") << "niraLogoWhite.png" << QSize(192, 192) << true;
    QTest::newRow("logo black") << "niraLogo.png" << QSize(192, 192) << true;
    for (const char* icon : {"iconIconify", "iconMaximize", "iconMinimize", "iconClose"})
        QTest::newRow(icon) << QString(icon) + ".png" << QSize(23, 22) << true;
    const int carWidths[] = {39, 33, 37};
    for (int variant = 1; variant <= 3; ++variant) {
        for (int d = 0; d < 4; ++d) {
            const QString car = QString("car%1%2.png").arg(variant).arg(Directions[d]);
            const int w = carWidths[variant - 1];
            const QSize size = d % 2 ? QSize(64, w) : QSize(w, 64);
            QTest::newRow(qPrintable(car)) << car << size << true;
            const QString man = QString("man%1%2.png").arg(variant).arg(Directions[d]);
            QTest::newRow(qPrintable(man)) << man << QSize(16, 20) << true;
        }
    }
}

void tst_artwork::sizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    const QImage image = picture(name);
    QCOMPARE(image.size(), size);
    QCOMPARE(!isOpaqueEverywhere(image), transparent);
    if (transparent)
        QCOMPARE(alphaAt(image, 0, 0), 0);
}

void tst_artwork::tilesWrapSeamlessly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("grass") << "grassSprite.png";
    QTest::newRow("road") << "roadSprite.png";
    QTest::newRow("sidewalk") << "sideSprite.png";
    QTest::newRow("grass@2x") << "grassSprite@2x.png";
    QTest::newRow("road@2x") << "roadSprite@2x.png";
    QTest::newRow("sidewalk@2x") << "sideSprite@2x.png";
}

void tst_artwork::tilesWrapSeamlessly() {
    QFETCH(QString, name);
    const QImage tile = picture(name);
    // Across the seam the texture may change no more than between the roughest inner columns;
    // the image is checked across both seams by also looking at it transposed.
    for (const QImage& image : {tile, transposed(tile)}) {
        double roughest = 0.0;
        for (int x = 0; x < image.width() - 1; ++x)
            roughest = qMax(roughest, columnStep(image, x));
        const double seam = columnStep(image, image.width() - 1);
        QVERIFY2(seam <= roughest,
                 qPrintable(QString("seam %1, roughest inner %2").arg(seam).arg(roughest)));
    }
}

void tst_artwork::turnsShowTheSameCar_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("direction");
    for (int variant = 1; variant <= 3; ++variant)
        for (int d = 1; d < 4; ++d)
            QTest::addRow("car%d%s", variant, Directions[d]) << variant << d;
}

void tst_artwork::turnsShowTheSameCar() {
    QFETCH(int, variant);
    QFETCH(int, direction);
    const QImage up = picture(QString("car%1Up.png").arg(variant));
    const QImage turned = artImage::rotated(up, direction).convertToFormat(QImage::Format_ARGB32);
    const QImage image = picture(QString("car%1%2.png").arg(variant).arg(Directions[direction]));
    QCOMPARE(image.size(), turned.size());
    int body = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (alphaAt(turned, x, y) != 255)
                continue;
            ++body;
            QCOMPARE(image.pixel(x, y), turned.pixel(x, y));
        }
    }
    QVERIFY(body > image.width() * image.height() / 2);
}

void tst_artwork::carsFaceTheirDirection_data() {
    turnsShowTheSameCar_data();
    for (int variant = 1; variant <= 3; ++variant)
        QTest::addRow("car%dUp", variant) << variant << 0;
}

void tst_artwork::carsFaceTheirDirection() {
    QFETCH(int, variant);
    QFETCH(int, direction);
    const QImage image = picture(QString("car%1%2.png").arg(variant).arg(Directions[direction]));
    const QPointF lights = centreOfHeadlights(image);
    QVERIFY(lights.x() >= 0);
    const double across = direction % 2 ? lights.x() / image.width() : lights.y() / image.height();
    const bool towardsStart = direction == 0 || direction == 3;
    QVERIFY2(towardsStart ? across < 0.25 : across > 0.75, qPrintable(QString::number(across)));
}

void tst_artwork::nothingIsClippedAtTheEdges() {
    for (const artPicture& entry : artCatalogue::pictures()) {
        const QImage image = picture(entry.name);
        if (isOpaqueEverywhere(image) || entry.name.startsWith(QLatin1String("tower")))
            continue;
        // Soft shadows may reach the border; the drawn bodies must not.
        QVERIFY2(strongestBorderAlpha(image) < 200, qPrintable(entry.name));
    }
}

void tst_artwork::windowGlyphsAreCrispWhite() {
    QStringList names = {"iconIconify.png", "iconMaximize.png", "iconMinimize.png",
                         "iconClose.png"};
    for (const QString& name : QStringList(names))
        names.append(artCatalogue::partnerName(name));
    for (const QString& name : names) {
        const QImage image = picture(name);
        int lit = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(qAlpha(p) == 0 || p == qRgba(255, 255, 255, 255), qPrintable(name));
                lit += qAlpha(p) ? 1 : 0;
            }
        }
        QVERIFY2(lit >= 12, qPrintable(name));
    }
}

void tst_artwork::windowGlyphsMatchTheirMeaning() {
    const QImage iconify = picture("iconIconify.png");
    const QImage maximize = picture("iconMaximize.png");
    const QImage close = picture("iconClose.png");
    const QImage restore = picture("iconMinimize.png");
    auto litRows = [](const QImage& image, int x) {
        QVector<int> rows;
        for (int y = 0; y < image.height(); ++y)
            if (alphaAt(image, x, y))
                rows.append(y);
        return rows;
    };
    // Iconify: a bar in the lower half only.
    const QVector<int> bar = litRows(iconify, 11);
    QVERIFY(!bar.isEmpty());
    QVERIFY(bar.first() > iconify.height() / 2);
    // Maximize: through the middle column the top edge is thicker than the bottom edge.
    const QVector<int> frame = litRows(maximize, 11);
    QVERIFY(frame.size() >= 4);
    QVERIFY(frame[1] == frame[0] + 1 && frame[2] == frame[0] + 2);
    QVERIFY(frame[frame.size() - 2] < frame.last() - 1);
    // Close: a cross reads the same mirrored left to right.
    const QImage mirrored = close.mirrored(true, false);
    int differing = 0;
    for (int y = 0; y < close.height(); ++y)
        for (int x = 0; x < close.width(); ++x)
            differing += alphaAt(close, x, y) != alphaAt(mirrored, x, y) ? 1 : 0;
    QVERIFY(differing <= 2 * close.height());
    QVERIFY(restore != maximize);
}

void tst_artwork::logoRenditionsShareOneShape() {
    const QImage white = picture("niraLogoWhite.png");
    const QImage black = picture("niraLogo.png");
    int inked = 0;
    for (int y = 0; y < white.height(); ++y) {
        for (int x = 0; x < white.width(); ++x) {
            QCOMPARE(alphaAt(black, x, y), alphaAt(white, x, y));
            if (alphaAt(white, x, y) == 255) {
                ++inked;
                QCOMPARE(white.pixel(x, y), qRgba(255, 255, 255, 255));
                QCOMPARE(black.pixel(x, y), qRgba(0, 0, 0, 255));
            }
        }
    }
    QVERIFY(inked > 192 * 192 / 10);
}

void tst_artwork::towerStandsOnTheGround() {
    const QImage tower = picture("tower.png");
    const int centre = tower.width() / 2;
    for (int y = 0; y < tower.height(); ++y)
        QVERIFY2(alphaAt(tower, centre, y) == 255, qPrintable(QString::number(y)));
    // The base is narrower than the roof: the far corners at the ground are open.
    QCOMPARE(alphaAt(tower, 1, tower.height() - 1), 0);
    QCOMPARE(alphaAt(tower, 4, 10), 255);
}

void tst_artwork::filesAreRepeatableAndSmall() {
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    qint64 total = 0;
    for (const artPicture& entry : artCatalogue::pictures()) {
        const QString a = QDir(first.path()).filePath(entry.name);
        const QString b = QDir(second.path()).filePath(entry.name);
        QVERIFY(artCatalogue::save(entry, a));
        QVERIFY(artCatalogue::save(entry, b));
        QFile fa(a);
        QFile fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        const QByteArray bytes = fa.readAll();
        QVERIFY2(bytes == fb.readAll(), qPrintable(entry.name));
        total += bytes.size();
        QImageReader reader(a);
        QCOMPARE(reader.format(), QByteArray(entry.name.endsWith(".jpg") ? "jpeg" : "png"));
        QCOMPARE(reader.size(), picture(entry.name).size());
    }
    QVERIFY2(total < 3 * 1024 * 1024, qPrintable(QString::number(total)));
}

// Every picture but the stretched wallpapers and the desktop icon has its partner: the same
// picture drawn anew at twice the size, not its pixels doubled.
void tst_artwork::partnersAreDrawnAtTwiceTheSize() {
    int partners = 0;
    for (const artPicture& entry : artCatalogue::pictures()) {
        if (entry.name.contains(QLatin1String("@2x")))
            continue;
        const QImage plain = picture(entry.name);
        const QImage partner = picture(artCatalogue::partnerName(entry.name));
        const bool alone =
            entry.name.startsWith(QLatin1String("wall")) || entry.folder == artPicture::Desktop;
        QVERIFY2(partner.isNull() == alone, qPrintable(entry.name));
        if (alone)
            continue;
        ++partners;
        QCOMPARE(partner.size(), plain.size() * 2);
        QVERIFY2(partner != plain.scaled(partner.size()).convertToFormat(partner.format()),
                 qPrintable(entry.name));
        const double difference = meanDifference(
            partner.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), plain);
        QVERIFY2(difference < 8.0, qPrintable(entry.name + ": " + QString::number(difference)));
    }
    QCOMPARE(partners, 38);
}

void tst_artwork::committedFilesAreWhatTheGeneratorDraws() {
    const QString folders[] = {"app/resources", "toolkit/resources", "app/desktop"};
    for (const artPicture& entry : artCatalogue::pictures()) {
        if (entry.name.endsWith(QLatin1String(".jpg")))
            continue; // lossy: the repeatable bytes are checked above
        const QString path =
            QStringLiteral(ARTWORK_SOURCE_DIR "/%1/%2").arg(folders[entry.folder], entry.name);
        const QImage committed(path);
        QVERIFY2(!committed.isNull(), qPrintable(path));
        QVERIFY2(sameUpToAlphaRounding(committed.convertToFormat(QImage::Format_ARGB32),
                                       picture(entry.name)),
                 qPrintable(entry.name));
    }
}

QTEST_GUILESS_MAIN(tst_artwork)
#include "tst_artwork.moc"
