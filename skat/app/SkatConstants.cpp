#include "skat/app/SkatConstants.h"

SKAT_KONSTANTEN::~SKAT_KONSTANTEN() = default;
