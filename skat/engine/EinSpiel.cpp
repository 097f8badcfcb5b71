#include "skat/engine/EinSpiel.h"

EIN_SPIEL::~EIN_SPIEL() = default;
