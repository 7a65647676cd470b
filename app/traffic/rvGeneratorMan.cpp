#include "rvGeneratorMan.h"

#include "rvGenerator_p.h"
#include "rvMan.h"

rvGeneratorMan::rvGeneratorMan(QObject* parent)
    : rvGenerator(own(new rvGeneratorPrivate), parent) {}

rvGeneratorMan::~rvGeneratorMan() = default;

rvEntity* rvGeneratorMan::createEntity() {
    return new rvMan;
}
