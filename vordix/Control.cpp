#include "vordix/Control.h"

#include "vordix/ImplementorFactory.h"

VORDIX_CONTROL::VORDIX_CONTROL()
{
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp_ = factory->createControl(this);
}

VORDIX_CONTROL::~VORDIX_CONTROL() = default;

void VORDIX_CONTROL::show()
{
    if (imp_)
        imp_->show();
}
void VORDIX_CONTROL::hide()
{
    if (imp_)
        imp_->hide();
}
void VORDIX_CONTROL::move(int x, int y)
{
    if (imp_)
        imp_->move(x, y);
}
void VORDIX_CONTROL::setText(const std::wstring& text)
{
    if (imp_)
        imp_->setText(text);
}
std::wstring VORDIX_CONTROL::getText() const
{
    std::wstring text;
    if (imp_)
        imp_->getText(text);
    return text;
}
