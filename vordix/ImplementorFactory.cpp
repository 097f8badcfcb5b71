#include "vordix/ImplementorFactory.h"

namespace {
VORDIX_IMPLEMENTORFACTORY* installedFactory = nullptr;
}

VORDIX_IMPLEMENTORFACTORY::~VORDIX_IMPLEMENTORFACTORY()
{
    if (installedFactory == this)
        installedFactory = nullptr;
}

VORDIX_IMPLEMENTORFACTORY* VORDIX_IMPLEMENTORFACTORY::instance() { return installedFactory; }

void VORDIX_IMPLEMENTORFACTORY::installInstance(VORDIX_IMPLEMENTORFACTORY* factory)
{
    if (installedFactory && installedFactory != factory)
        delete installedFactory;
    installedFactory = factory;
}

void VORDIX_IMPLEMENTORFACTORY::deleteInstance() { delete installedFactory; }
