// The game's forms on the framework's own dialog and window implementors.

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/Dialog.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/PixmapWidget.h"
#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinImplementorFactory.h"

#include <gtest/gtest.h>

namespace {

class FrameworkHosts : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerControlIds();
        registerForms();
        if (!dynamic_cast<WIN_IMPLEMENTORFACTORY*>(VORDIX_IMPLEMENTORFACTORY::instance()))
            VORDIX_IMPLEMENTORFACTORY::installInstance(new WIN_IMPLEMENTORFACTORY);
    }
};

TEST_F(FrameworkHosts, PicturesOfTheSettingsDialogBelongToTheirDialog)
{
    VORDIX_DIALOG dialog(16);
    auto* win = dynamic_cast<WIN_DIALOG*>(dialog.implementor().get());
    ASSERT_NE(win, nullptr);
    const std::pair<const char*, int> pictures[] = {{"F_opt_spieler_image", 43},
                                                    {"F_opt_kazzle_image", 44},
                                                    {"F_opt_brummo_image", 45}};
    for (const auto& [name, id] : pictures) {
        auto* picture = win->findChild<PixmapWidget*>(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->dialog(), win) << name;
        EXPECT_EQ(picture->controlId(), id) << name;
    }
}

TEST_F(FrameworkHosts, EveryDialogFormBuildsOnTheFrameworkDialog)
{
    for (const auto& [formId, create] : FormRegistry::dialogForms()) {
        VORDIX_DIALOG dialog(formId);
        auto* win = dynamic_cast<WIN_DIALOG*>(dialog.implementor().get());
        ASSERT_NE(win, nullptr) << formId;
        EXPECT_EQ(win->objectName(), formId == 420 ? QString("Dialog") : ControlIds::qNameOf(formId));
        EXPECT_FALSE(win->windowFlags().testFlag(Qt::WindowContextHelpButtonHint)) << formId;
    }
}

} // namespace
