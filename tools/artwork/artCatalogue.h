// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// One picture the generator writes: where it goes, its file name and how to draw it.
struct artPicture {
    enum Folder { Program, Toolkit, Desktop };

    Folder folder;
    QString name;
    std::function<QImage()> draw;
};

// Every picture of the program's and the toolkit's resource collections, and the desktop icon.
namespace artCatalogue {

QVector<artPicture> pictures();

// "tower@2x.png" for "tower.png": the file of the same picture drawn at twice its size.
QString partnerName(const QString& name);

// Draws the picture and writes it to `path`. The pictures read before the program's first frame
// (the map, the towers, the title bar's and the menu's icons) are written uncompressed, since
// decoding them is a large part of the start-up; the others are compressed.
bool save(const artPicture& picture, const QString& path);

} // namespace artCatalogue
