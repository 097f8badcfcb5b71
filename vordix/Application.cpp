#include "vordix/Application.h"

#include "vordix/ImplementorFactory.h"

namespace {
VORDIX_APPLICATION_imp* platformApplication()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    return factory ? factory->getApplication() : nullptr;
}
} // namespace

VORDIX_APPLICATION::VORDIX_APPLICATION() : VORDIX_APPLICATION(platformApplication()) { }

VORDIX_APPLICATION::VORDIX_APPLICATION(VORDIX_APPLICATION_imp* imp) : imp_(imp)
{
    if (imp_)
        imp_->setOwner(this);
}

// The platform application is process-wide and outlives this object; it
// only forgets its owner.
VORDIX_APPLICATION::~VORDIX_APPLICATION()
{
    if (imp_ && imp_->getOwner() == this)
        imp_->setOwner(nullptr);
}

void VORDIX_APPLICATION::postMessage(const PostedMessage& message)
{
    if (imp_)
        imp_->postMessage(message);
}
