#include "pzPicture.h"

#include <QPixmap>

pzPicture::pzPicture(const QString& path, QWidget* parent)
    : QLabel(parent) {
    setPixmap(QPixmap(path));
}
