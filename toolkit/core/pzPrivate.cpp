#include "pzPrivate.h"

pzPrivate::~pzPrivate() = default;
