// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "pzPicture.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>
#include <QTest>

// Every picture of the two collections, as the program and the toolkit address them.
class tst_resources : public QObject {
    Q_OBJECT

private slots:
    void everyPictureResolvesWithItsFormatAndSize_data();
    void everyPictureResolvesWithItsFormatAndSize();
    void collectionsHoldNothingElseAtTheRoot();
    void toolkitWidgetsFindTheToolkitsPictures();
    void missingPictureIsNullAndHarmless();

private:
    struct Entry {
        const char* name;
        const char* format;
        int width;
        int height;
    };
    static QList<Entry> entries();
    // Every picture but the stretched wallpapers has its "@2x" partner, for high-density screens.
    static bool hasPartner(const QString& name) { return !name.startsWith(QLatin1String("wall")); }
    static QString partnerOf(const QString& name) {
        return QString(name).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
    }
};

QList<tst_resources::Entry> tst_resources::entries() {
    QList<Entry> list = {
        {"grassSprite.png", "png", 64, 64},
        {"roadSprite.png", "png", 64, 64},
        {"sideSprite.png", "png", 64, 64},
        {"tower.png", "png", 144, 239},
        {"wallFallout.jpg", "jpeg", 800, 600},
        {"wallVista.jpg", "jpeg", 1280, 1024},
        {"wallRed.png", "png", 1680, 1050},
        {"about.png", "png", 32, 32},
        {"exit.png", "png", 32, 32},
        {"PictureOren.png", "png", 300, 464},
        // The toolkit's collection.
        {"niraLogoWhiteSmall.png", "png", 22, 22},
        {"iconIconify.png", "png", 23, 22},
        {"iconMaximize.png", "png", 23, 22},
        {"iconMinimize.png", "png", 23, 22},
        {"iconClose.png", "png", 23, 22},
        {"niraLogoWhite.png", "png", 192, 192},
        {"niraLogo.png", "png", 192, 192},
    };
    static const char* directions[] = {"Up", "Down", "Left", "Right"};
    static QList<QByteArray> names; // keeps the generated names alive for the const char* fields
    const int carWidths[] = {39, 33, 37};
    for (int variant = 1; variant <= 3; ++variant) {
        for (int d = 0; d < 4; ++d) {
            const bool vertical = d < 2;
            const int narrow = carWidths[variant - 1];
            names << QByteArray("car") + QByteArray::number(variant) + directions[d] + ".png";
            list.append(
                {names.last().constData(), "png", vertical ? narrow : 64, vertical ? 64 : narrow});
            names << QByteArray("man") + QByteArray::number(variant) + directions[d] + ".png";
            list.append({names.last().constData(), "png", 16, 20});
        }
    }
    return list;
}

void tst_resources::everyPictureResolvesWithItsFormatAndSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    for (const Entry& entry : entries()) {
        const QString name = QLatin1String(entry.name);
        QTest::newRow(entry.name) << ":/" + name << QByteArray(entry.format)
                                  << QSize(entry.width, entry.height);
        if (hasPartner(name))
            QTest::newRow(qPrintable(partnerOf(name)))
                << ":/" + partnerOf(name) << QByteArray(entry.format)
                << QSize(entry.width, entry.height) * 2;
    }
}

void tst_resources::everyPictureResolvesWithItsFormatAndSize() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    if (format == "png" && !path.contains(QLatin1String("Sprite")) &&
        !path.contains(QLatin1String("wall")) && !path.contains(QLatin1String("Picture")))
        QVERIFY2(image.hasAlphaChannel(), "icons and moving pictures are drawn on transparency");
}

void tst_resources::collectionsHoldNothingElseAtTheRoot() {
    QStringList expected;
    for (const Entry& entry : entries()) {
        expected << QLatin1String(entry.name);
        if (hasPartner(expected.last()))
            expected << partnerOf(expected.last());
    }
    QStringList found = QDir(QStringLiteral(":/")).entryList(QDir::Files);
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

// Also what makes the loader map the toolkit here, as it does for the program.
void tst_resources::toolkitWidgetsFindTheToolkitsPictures() {
    const pzPicture icon(QStringLiteral(":/iconMinimize.png"));
    QCOMPARE(icon.pixmap().size(), QSize(23, 22));
}

void tst_resources::missingPictureIsNullAndHarmless() {
    const QPixmap missing(QStringLiteral(":/car4Up.png"));
    QVERIFY(missing.isNull());
    QCOMPARE(missing.size(), QSize(0, 0));
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
