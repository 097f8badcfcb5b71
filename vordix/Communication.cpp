#include "vordix/Communication.h"

#include "vordix/ImplementorFactory.h"

VORDIX_COMMUNICATION::VORDIX_COMMUNICATION()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_.reset(factory->createCommunication());
}

VORDIX_COMMUNICATION::~VORDIX_COMMUNICATION() = default;

void VORDIX_COMMUNICATION::openFile(const VORDIX_FILE& file)
{
    if (imp_)
        imp_->openFile(file);
}

void VORDIX_COMMUNICATION::openUrl(const std::wstring& url)
{
    if (imp_)
        imp_->openUrl(url);
}

void VORDIX_COMMUNICATION::sendMail(const std::wstring& recipient, const std::wstring& subject, const std::string& body,
                                    const unsigned char* attachment, int attachmentSize,
                                    const std::wstring& attachmentName)
{
    if (imp_)
        imp_->sendMail(recipient, subject, body, attachment, attachmentSize, 0, attachmentName);
}

bool VORDIX_COMMUNICATION::canSendMail() const { return imp_ && imp_->canSendMail(); }
