#include "pzSizeGrip.h"

pzSizeGrip::pzSizeGrip(QWidget* parent)
    : QSizeGrip(parent) {}

pzSizeGrip::~pzSizeGrip() = default;

void pzSizeGrip::paintEvent(QPaintEvent*) {}
