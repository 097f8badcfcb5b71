#include "vordix/Preference.h"

#include "vordix/ImplementorFactory.h"

#include <mutex>

VORDIX_PREFERENCE_imp::~VORDIX_PREFERENCE_imp() = default;

namespace {

std::mutex rootMutex;
std::wstring& currentRoot()
{
    static std::wstring root = PREFERENCES_KEY;
    return root;
}

VORDIX_PREFERENCE_imp* makePreferenceImp()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    return factory ? factory->createPreference() : nullptr;
}

} // namespace

VORDIX_PREFERENCE::VORDIX_PREFERENCE() : imp_(makePreferenceImp()) { }

VORDIX_PREFERENCE::VORDIX_PREFERENCE(std::unique_ptr<VORDIX_PREFERENCE_imp> imp) : imp_(std::move(imp)) { }

VORDIX_PREFERENCE::~VORDIX_PREFERENCE() = default;

bool VORDIX_PREFERENCE::setValue(int id, const std::wstring& text) { return imp_ && imp_->setValue(id, text); }

bool VORDIX_PREFERENCE::getValue(int id, std::wstring& text)
{
    if (!imp_) {
        text.clear();
        return false;
    }
    return imp_->getValue(id, text);
}

void VORDIX_PREFERENCE::setRoot(const std::wstring& keyPath)
{
    std::lock_guard lock(rootMutex);
    currentRoot() = keyPath;
}

std::wstring VORDIX_PREFERENCE::root()
{
    std::lock_guard lock(rootMutex);
    return currentRoot();
}

std::wstring VORDIX_PREFERENCE::valueName(int id) { return std::to_wstring(id); }
