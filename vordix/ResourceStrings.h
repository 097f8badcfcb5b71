#pragma once
// The process-wide table of resource strings by id, filled at start-up and
// read by the windows and dialogs.

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

class ResourceStrings {
public:
    static ResourceStrings& instance();

    // The text of an id; an unknown id yields "" and leaves the table as it is.
    std::wstring get(int32_t id);
    // Replaces the entry of an id.
    void set(int32_t id, const std::wstring& text);
    bool contains(int32_t id) const;
    size_t size() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::unordered_map<int32_t, std::wstring> texts_;
};
