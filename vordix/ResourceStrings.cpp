#include "vordix/ResourceStrings.h"

ResourceStrings& ResourceStrings::instance()
{
    static ResourceStrings strings;
    return strings;
}

std::wstring ResourceStrings::get(int32_t id)
{
    std::lock_guard lock(mutex_);
    // Reading never inserts: readers on other threads must not change the table.
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::wstring() : found->second;
}

void ResourceStrings::set(int32_t id, const std::wstring& text)
{
    std::lock_guard lock(mutex_);
    texts_[id] = text;
}

bool ResourceStrings::contains(int32_t id) const
{
    std::lock_guard lock(mutex_);
    return texts_.count(id) != 0;
}

size_t ResourceStrings::size() const
{
    std::lock_guard lock(mutex_);
    return texts_.size();
}

void ResourceStrings::clear()
{
    std::lock_guard lock(mutex_);
    texts_.clear();
}
