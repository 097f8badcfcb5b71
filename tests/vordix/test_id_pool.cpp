#include "vordix/IdPool.h"

#include <gtest/gtest.h>

using namespace VORDIX_IPC;

TEST(IdPool, ReusesFreedIdsSmallestFirstAndRefillsOnlyWhenEmpty)
{
    CIdPool pool(0x7FFFFFFF);
    for (uint32_t expected = 1; expected <= 5; ++expected)
        EXPECT_EQ(pool.allocate(), expected);
    pool.release(2);
    EXPECT_EQ(pool.allocate(), 2u);
    EXPECT_EQ(pool.allocate(), 6u);
    pool.release(4);
    pool.release(3);
    EXPECT_EQ(pool.allocate(), 3u);
    EXPECT_EQ(pool.allocate(), 4u);
    EXPECT_EQ(pool.allocate(), 7u);
}

TEST(IdPool, ThrowsWhenEveryIdBelowTheLimitIsTaken)
{
    CIdPool pool(8); // ids 1 to 7: one full refill, then a short one of two
    for (uint32_t expected = 1; expected <= 7; ++expected)
        EXPECT_EQ(pool.allocate(), expected);
    try {
        pool.allocate();
        FAIL() << "no overflow";
    } catch (const IdOverflow& e) {
        EXPECT_STREQ(e.what(), "Ueberlauf bei der Vergabe der Ids!");
    }
    pool.release(5);
    EXPECT_EQ(pool.allocate(), 5u);
}

TEST(IdPool, ProcessWidePoolsAreIndependent)
{
    const uint32_t message = allocateMessageId();
    const uint32_t connection = allocateConnectionId();
    EXPECT_NE(message, 0u);
    EXPECT_NE(connection, 0u);
    releaseMessageId(message);
    releaseConnectionId(connection);
    EXPECT_EQ(allocateMessageId(), message);
    EXPECT_EQ(allocateConnectionId(), connection);
    releaseMessageId(message);
    releaseConnectionId(connection);
}
