// The control-id table: sizes, shared names, forward-only names, look-ups.

#include "skat/windows/ControlIdTable.h"
#include "vordix/windows/ControlIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ControlIdTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerControlIds(); }
};

TEST_F(ControlIdTable, HoldsEveryNameAndEveryAssignedId)
{
    EXPECT_EQ(ControlIds::names().size(), 557u);
    EXPECT_EQ(ControlIds::ids().size(), 500u);
    for (int id = 3; id <= 527; ++id) {
        const bool unassigned = (id >= 189 && id <= 211) || id == 485 || id == 493;
        EXPECT_EQ(ControlIds::nameOf(id).empty(), unassigned) << id;
    }
}

TEST_F(ControlIdTable, SecondCallChangesNothing)
{
    registerControlIds();
    EXPECT_EQ(ControlIds::names().size(), 557u);
    EXPECT_EQ(ControlIds::ids().size(), 500u);
}

TEST_F(ControlIdTable, NamesWithoutReverseEntry)
{
    // 29 names share ids 0, 1 and 2; 28 are second names of a shared id.
    std::set<std::string> forwardOnly;
    for (const auto& [name, id] : ControlIds::names())
        if (ControlIds::nameOf(id) != name)
            forwardOnly.insert(name);
    EXPECT_EQ(forwardOnly.size(), 57u);
    for (const char* name : {"F_spe_kreuz_text", "F_opt_spielkartenicon_3", "F_opt_spielkartentext_4", "F_blist_name_1",
                             "F_blist_score_1", "F_blist_date_1", "F_sort_trumpf_zu_buben_text", "F_rwk_karo_text",
                             "F_opt_sprache_englisch", "ID_OK", "F_ubg_abbr"})
        EXPECT_TRUE(forwardOnly.count(name)) << name;
}

struct NameId {
    const char* name;
    int id;
};

class NameToId : public ControlIdTable, public ::testing::WithParamInterface<NameId> { };

TEST_P(NameToId, LooksUp) { EXPECT_EQ(ControlIds::idOf(std::string(GetParam().name)), GetParam().id); }

INSTANTIATE_TEST_SUITE_P(
    Table, NameToId,
    ::testing::Values(NameId{"F_spe_ok", 1}, NameId{"ID_OK", 1}, NameId{"F_ImagePicker_OK", 1}, NameId{"F_ubg_abbr", 2},
                      NameId{"F_tra_abr", 2}, NameId{"ID_CANCEL", 2}, NameId{"F_opt_sprache_deutsch", 0},
                      NameId{"F_opt_sprache_englisch", 1}, NameId{"F_ImagePicker_Popup_Item_Eigenes_Bild", 0},
                      NameId{"F_ImagePicker_Popup_Item_Maus_Original", 1}, NameId{"F_spe_kreuz", 62},
                      NameId{"F_spe_kreuz_text", 62}, NameId{"F_opt_spielkartenicon_2", 39},
                      NameId{"F_blist_name_1", 232}, NameId{"F_blist_name_10", 241}, NameId{"F_blist_date_10", 261},
                      NameId{"F_haw_check_10", 401}, NameId{"F_ein_cycle", 497}, NameId{"F_abrechnung", 121},
                      NameId{"F_fenster_skat_menu", 4}, NameId{"F_spielverlauf", 420}, NameId{"Pop18", 527},
                      NameId{"F_icon_schellen", 509}, NameId{"Men_opt", 496}, NameId{"Hil_programm", 486},
                      NameId{"F_rgl_bockr_gegn_schn", 354}, NameId{"F_wiz_spielverlauf", 432}));

struct IdName {
    int id;
    const char* name;
};

class IdToName : public ControlIdTable, public ::testing::WithParamInterface<IdName> { };

TEST_P(IdToName, LooksUp) { EXPECT_EQ(ControlIds::nameOf(GetParam().id), GetParam().name); }

INSTANTIATE_TEST_SUITE_P(Table, IdToName,
                         ::testing::Values(IdName{3, "F_fenster_skat"}, IdName{527, "Pop18"}, IdName{62, "F_spe_kreuz"},
                                           IdName{232, "F_blist_name_base"}, IdName{38, "F_opt_spielkarten_1"},
                                           IdName{220, "F_sort_blatt_steigend"}, IdName{371, "F_rwk_kreuz"},
                                           IdName{497, "F_ein_cycle"}, IdName{9, "Skat_Wizzard_TextView"},
                                           IdName{0, ""}, IdName{1, ""}, IdName{2, ""}, IdName{189, ""},
                                           IdName{211, ""}, IdName{485, ""}, IdName{493, ""}, IdName{528, ""},
                                           IdName{600, ""}, IdName{-1, ""}));

TEST_F(ControlIdTable, LookupsOfUnknownKeysDoNotInsert)
{
    EXPECT_EQ(ControlIds::idOf(std::string("F_keine_solche_id")), 0);
    EXPECT_EQ(ControlIds::idOf(std::string("F_keine_solche_id")), 0);
    EXPECT_EQ(ControlIds::idOf(QString()), 0);
    EXPECT_EQ(ControlIds::nameOf(600), "");
    EXPECT_EQ(ControlIds::qNameOf(190), QString());
    EXPECT_EQ(ControlIds::names().size(), 557u);
    EXPECT_EQ(ControlIds::ids().size(), 500u);
}

TEST_F(ControlIdTable, IdsComeFromTheTableNotFromNameSuffixes)
{
    // Names that look like members of a numbered series but are not in the
    // table stay unknown.
    EXPECT_EQ(ControlIds::idOf(std::string("F_blist_name_11")), 0);
    EXPECT_EQ(ControlIds::idOf(std::string("F_haw_check_0")), 0);
    EXPECT_EQ(ControlIds::idOf(std::string("Pop19")), 0);
    EXPECT_EQ(ControlIds::idOf(std::string("F_spe_ok_2")), 0);
    EXPECT_EQ(ControlIds::idOf(std::string("f_spe_ok")), 0); // case-sensitive
}

} // namespace
