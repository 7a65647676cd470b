// SPDX-FileCopyrightText: 2026 Verrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pzToolsExport.h"

#include <QLabel>

/// A label showing the picture at a path, at its natural size.
class PZTOOLS_EXPORT pzPicture : public QLabel {
    Q_OBJECT

public:
    /// Shows the picture at `path` (a file or a ":/" resource); a path that names no picture shows
    /// nothing. A null `parent` makes a top-level widget.
    explicit pzPicture(const QString& path, QWidget* parent = nullptr);
};
