#pragma once
// A preference store in memory whose values the test can see and change.

#include "vordix/Preference.h"

#include <map>
#include <memory>
#include <string>

using PreferenceValues = std::map<int, std::wstring>;

class MemoryPreferenceStore : public VORDIX_PREFERENCE_imp {
public:
    explicit MemoryPreferenceStore(std::shared_ptr<PreferenceValues> values) : values_(std::move(values)) { }
    bool setValue(int id, const std::wstring& text) override
    {
        (*values_)[id] = text;
        return true;
    }
    bool getValue(int id, std::wstring& text) override
    {
        text.clear();
        auto it = values_->find(id);
        if (it == values_->end())
            return false;
        text = it->second;
        return true;
    }

private:
    std::shared_ptr<PreferenceValues> values_;
};
