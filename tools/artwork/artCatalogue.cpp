// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#include "artCatalogue.h"

#include "artBuildings.h"
#include "artDesktop.h"
#include "artIcons.h"
#include "artImage.h"
#include "artPeople.h"
#include "artPortrait.h"
#include "artTiles.h"
#include "artVehicles.h"
#include "artWallpapers.h"

#include <QStringList>

namespace artCatalogue {

namespace {

// Direction codes of the traffic: 0 Up, 1 Right, 2 Down, 3 Left.
const char* const DirectionWords[] = {"Up", "Right", "Down", "Left"};

// A picture drawn at a given scale: device pixels per logical pixel.
using Drawing = std::function<QImage(int scale)>;

// The picture and, beside it, its "@2x" partner: the same picture drawn natively at twice the
// size, which Qt picks for screens with a device pixel ratio above 1.
void addWithPartner(QVector<artPicture>& pictures, artPicture::Folder folder, const QString& name,
                    const Drawing& draw) {
    pictures.append({folder, name, [=] { return draw(1); }});
    pictures.append({folder, artCatalogue::partnerName(name), [=] { return draw(2); }});
}

void addTraffic(QVector<artPicture>& pictures) {
    for (int variant = 1; variant <= 3; ++variant) {
        for (int direction = 0; direction < 4; ++direction) {
            const QString suffix = QString::number(variant) + DirectionWords[direction] + ".png";
            addWithPartner(pictures, artPicture::Program, "car" + suffix,
                           [=](int scale) { return artVehicles::car(variant, direction, scale); });
            addWithPartner(pictures, artPicture::Program, "man" + suffix,
                           [=](int scale) { return artPeople::person(variant, direction, scale); });
        }
    }
}

Drawing logo(int size, const QColor& color) {
    return [=](int scale) { return artIcons::logo(size, color, scale); };
}

} // namespace

bool save(const artPicture& picture, const QString& path) {
    static const QStringList readAtStart = {
        "grassSprite", "roadSprite",  "sideSprite",   "tower",        "about",
        "exit",        "iconIconify", "iconMaximize", "iconMinimize", "niraLogoWhiteSmall",
        "iconClose"};
    const QString base = picture.name.section(QLatin1Char('.'), 0, 0).remove(QLatin1String("@2x"));
    const QImage image = picture.draw();
    return readAtStart.contains(base) ? artImage::saveUncompressed(image, path)
                                      : artImage::save(image, path);
}

QString partnerName(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QLatin1String("@2x") + name.mid(dot);
}

QVector<artPicture> pictures() {
    // The wallpapers have no partner: they are stretched to fit whatever they cover.
    QVector<artPicture> pictures = {
        {artPicture::Program, "wallFallout.jpg", artWallpapers::fallout},
        {artPicture::Program, "wallVista.jpg", artWallpapers::vista},
        {artPicture::Program, "wallRed.png", artWallpapers::red},
        {artPicture::Desktop, "verrin.png", artDesktop::programIcon},
    };
    const struct {
        artPicture::Folder folder;
        const char* name;
        Drawing draw;
    } scalable[] = {
        {artPicture::Program, "grassSprite.png", artTiles::grass},
        {artPicture::Program, "roadSprite.png", artTiles::road},
        {artPicture::Program, "sideSprite.png", artTiles::sidewalk},
        {artPicture::Program, "tower.png", artBuildings::tower},
        {artPicture::Program, "about.png", artIcons::about},
        {artPicture::Program, "exit.png", artIcons::exit},
        {artPicture::Program, "PictureOren.png", artPortrait::portrait},
        {artPicture::Toolkit, "niraLogoWhiteSmall.png", logo(22, Qt::white)},
        {artPicture::Toolkit, "niraLogoWhite.png", logo(192, Qt::white)},
        {artPicture::Toolkit, "niraLogo.png", logo(192, Qt::black)},
        {artPicture::Toolkit, "iconIconify.png", artIcons::iconify},
        {artPicture::Toolkit, "iconMaximize.png", artIcons::maximize},
        {artPicture::Toolkit, "iconMinimize.png", artIcons::restore},
        {artPicture::Toolkit, "iconClose.png", artIcons::close},
    };
    for (const auto& entry : scalable)
        addWithPartner(pictures, entry.folder, entry.name, entry.draw);
    addTraffic(pictures);
    return pictures;
}

} // namespace artCatalogue
