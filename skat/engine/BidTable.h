#pragma once
// The bid values in the order they are called. Score sheets and network peers
// store indices into this table, so its entries never change.

#include <array>

inline constexpr int BID_TABLE_SIZE = 39;

// Index 0 stands for no bid; after 144 only 240 and 360 follow, and the last
// entry, 361, lies one above the highest value any game can reach.
inline constexpr std::array<int, BID_TABLE_SIZE> BID_TABLE = {
    0,  18, 20, 22, 23, 24, 27, 30, 33, 35, 36,  40,  44,  45,  46,  48,  50,  54,  55, 59,
    60, 63, 66, 70, 72, 77, 80, 84, 90, 96, 100, 110, 120, 130, 140, 144, 240, 360, 361};

// The value at an index; 0 outside the table.
constexpr int bidValueAt(int index)
{
    return index >= 0 && index < BID_TABLE_SIZE ? BID_TABLE[static_cast<std::size_t>(index)] : 0;
}

// The index of a value in the table, or -1 when the value is not a bid value.
constexpr int bidIndexOf(int value)
{
    for (int i = 0; i < BID_TABLE_SIZE; ++i)
        if (BID_TABLE[static_cast<std::size_t>(i)] == value)
            return i;
    return -1;
}
