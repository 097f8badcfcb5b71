#include "skat/app/SkatConstants.h"
#include "skat/app/SkatVersion.h"

SKAT_KONSTANTEN::~SKAT_KONSTANTEN() = default;
SKAT_VERSION::~SKAT_VERSION() = default;
