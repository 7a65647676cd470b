// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzPrivatable.h"
#include "pzToolsExport.h"

#include <QLabel>

class pzPicturePrivate;

/// A label showing the picture at a path, at its natural size.
///
/// On a screen with a device pixel ratio above 1 it shows the sharper "@2x" file where there is
/// one, as QIcon does, at the plain picture's logical size; load() makes the same choice for
/// painting code. The toolkit's own pictures (logo, window-button glyphs) are compiled into the
/// library as ":/" resources (see @ref usingTheToolkit).
/// \code
/// auto* logo = new pzPicture(QStringLiteral(":/niraLogo.png"), aboutPage);
/// const QPixmap tower = pzPicture::load(QStringLiteral(":/tower.png"));
/// \endcode
class PZTOOLS_EXPORT pzPicture : public QLabel, public pzPrivatable {
    Q_OBJECT

public:
    /// Shows the picture at `path` (a file or a ":/" resource); a path that names no picture shows
    /// nothing. A null `parent` makes a top-level widget.
    explicit pzPicture(const QString& path, QWidget* parent = nullptr);
    /// An empty picture label, as a form (uic) makes it; setPixmap() gives it a picture.
    explicit pzPicture(QWidget* parent = nullptr);
    /// Destroys the label.
    ~pzPicture() override;

    /// The picture at `path` or, where a screen has a device pixel ratio above 1, its "@2x"
    /// partner when there is one (the file QIcon would choose); either way its logical size
    /// (QPixmap::deviceIndependentSize) is that of the plain picture. Null when the path names
    /// no picture.
    static QPixmap load(const QString& path);

private:
    PZ_DECLARE_PRIVATE(pzPicture)
};
