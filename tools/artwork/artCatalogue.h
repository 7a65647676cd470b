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

} // namespace artCatalogue
