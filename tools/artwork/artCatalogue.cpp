#include "artCatalogue.h"

#include "artBuildings.h"
#include "artDesktop.h"
#include "artIcons.h"
#include "artPeople.h"
#include "artPortrait.h"
#include "artTiles.h"
#include "artVehicles.h"
#include "artWallpapers.h"

namespace artCatalogue {

namespace {

// Direction codes of the traffic: 0 Up, 1 Right, 2 Down, 3 Left.
const char* const DirectionWords[] = {"Up", "Right", "Down", "Left"};

void addTraffic(QVector<artPicture>& pictures) {
    for (int variant = 1; variant <= 3; ++variant) {
        for (int direction = 0; direction < 4; ++direction) {
            const QString suffix = QString::number(variant) + DirectionWords[direction] + ".png";
            pictures.append({artPicture::Program, "car" + suffix,
                             [=] { return artVehicles::car(variant, direction); }});
            pictures.append({artPicture::Program, "man" + suffix,
                             [=] { return artPeople::person(variant, direction); }});
        }
    }
}

} // namespace

QVector<artPicture> pictures() {
    QVector<artPicture> pictures = {
        {artPicture::Program, "grassSprite.png", artTiles::grass},
        {artPicture::Program, "roadSprite.png", artTiles::road},
        {artPicture::Program, "sideSprite.png", artTiles::sidewalk},
        {artPicture::Program, "tower.png", artBuildings::tower},
        {artPicture::Program, "wallFallout.jpg", artWallpapers::fallout},
        {artPicture::Program, "wallVista.jpg", artWallpapers::vista},
        {artPicture::Program, "wallRed.png", artWallpapers::red},
        {artPicture::Program, "about.png", artIcons::about},
        {artPicture::Program, "exit.png", artIcons::exit},
        {artPicture::Program, "PictureOren.png", artPortrait::portrait},
        {artPicture::Toolkit, "niraLogoWhiteSmall.png",
         [] { return artIcons::logo(22, Qt::white); }},
        {artPicture::Toolkit, "niraLogoWhite.png", [] { return artIcons::logo(192, Qt::white); }},
        {artPicture::Toolkit, "niraLogo.png", [] { return artIcons::logo(192, Qt::black); }},
        {artPicture::Toolkit, "iconIconify.png", artIcons::iconify},
        {artPicture::Toolkit, "iconMaximize.png", artIcons::maximize},
        {artPicture::Toolkit, "iconMinimize.png", artIcons::restore},
        {artPicture::Toolkit, "iconClose.png", artIcons::close},
        {artPicture::Desktop, "verrin.png", artDesktop::programIcon},
    };
    addTraffic(pictures);
    return pictures;
}

} // namespace artCatalogue
