// One version for the whole program: the about box's text, the crash
// report's module version and subject, and the install package all show the
// project's version.

#include "skat/app/SkatText.h"
#include "skat/app/SkatVersion.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

TEST(Version, EveryPlaceShowsTheProjectVersion)
{
    const std::string project = SKAT_PROJECT_VERSION;
    EXPECT_EQ(project, "9.0.4.45");
    EXPECT_EQ(skat::fullVersionText(), project);
    const std::array<std::uint32_t, 4> parts = {9, 0, 4, 45};
    EXPECT_EQ(skat::versionParts(), parts);
    EXPECT_EQ(skat::reportVersionText(), "9.0.4");
    // The about box reads its text from the text object.
    EXPECT_EQ(SKAT_VERSION().versionText, L"Version 9.0");
    EXPECT_EQ(SKAT_VERSION().banner, L"SKAT 9.0");

    tinyxml2::XMLDocument package;
    ASSERT_EQ(package.LoadFile(SKAT_PACKAGE_DESCRIPTION), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* product = package.RootElement()->FirstChildElement("Product");
    ASSERT_NE(product, nullptr);
    EXPECT_STREQ(product->Attribute("Version"), project.c_str());
}
