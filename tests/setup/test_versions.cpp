// Package versions and product codes.
#include "setup/MsiPackage.h"

#include <gtest/gtest.h>

using namespace setup;

TEST(MsiVersions, ParseAndCompare)
{
    struct Case {
        const char* text;
        bool ok;
        std::array<int, 4> parts;
    };
    const Case cases[] = {
        {"9.0.4.45", true, {9, 0, 4, 45}},
        {"9.0.3", true, {9, 0, 3, 0}},
        {"9.1", true, {9, 1, 0, 0}},
        {"65535.0.0.65535", true, {65535, 0, 0, 65535}},
        {"9.99999999999", false, {9, 0, 0, 0}}, // out of range, not wrapped
        {"9.-1", false, {9, 0, 0, 0}},
        {"", true, {0, 0, 0, 0}},
        {"9..1", false, {9, 0, 0, 0}},
        {"9.0.4.45.7", false, {9, 0, 4, 45}},
        {"v9", false, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MsiVersion v;
        EXPECT_EQ(parseVersion(c.text, v), c.ok);
        EXPECT_EQ(v.parts, c.parts);
        EXPECT_EQ(v.text, c.text);
    }
    MsiVersion a, b, c;
    parseVersion("9.0.3", a);
    parseVersion("9.0.4.45", b);
    parseVersion("9.1", c);
    EXPECT_TRUE(versionLess(a, b));
    EXPECT_TRUE(versionLess(b, c));
    EXPECT_FALSE(versionLess(b, b));
    EXPECT_FALSE(versionLess(c, a));
    EXPECT_TRUE(versionEqual(b, b));
}

TEST(MsiVersions, ProductCodesIgnoreCase)
{
    EXPECT_TRUE(sameProductCode("{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B15}", "{6b3c1e0a-5d2f-4c8b-9a71-2e4f8d0c9b15}"));
    EXPECT_FALSE(sameProductCode("{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B15}", "{6B3C1E0A-5D2F-4C8B-9A71-2E4F8D0C9B16}"));
    EXPECT_FALSE(sameProductCode("", "{6B3C1E0A}"));
}
