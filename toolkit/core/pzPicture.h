#pragma once

#include "pzToolsExport.h"

#include <QLabel>

// A label showing the picture at a path, at its natural size.
class PZTOOLS_EXPORT pzPicture : public QLabel {
    Q_OBJECT

public:
    explicit pzPicture(const QString& path, QWidget* parent = nullptr);
};
