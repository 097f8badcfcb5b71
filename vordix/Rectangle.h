#pragma once
// A rectangle in pixels as the framework passes it to windows, views,
// dialogs and image views.

#include <cstdint>

struct RECTANGLE {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const RECTANGLE&, const RECTANGLE&) = default;
};
