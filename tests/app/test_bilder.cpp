// The card-set index and the card-image cache: reading the descriptions,
// switching sets (a broken set keeps the old one), faces loaded on first use
// and reported once when broken, and the table and interface pictures of
// every theme and size.

#include "AppTestFactory.h"

#include "skat/app/Bilder.h"
#include "skat/app/Kartensets.h"
#include "skat/app/UserPrefs.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/vordix/TempFolder.h"
#include "vordix/MessageSink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr CardId CLUBS_JACK = 14;
constexpr CardId DIAMONDS_ACE = 48;
constexpr CardId HEARTS_SEVEN = 31;

const fs::path kBuilt = fs::path(SKAT_BINARY_DIR) / "skat" / "windows" / "Ressourcen";

std::string setXml(const std::string& name, const std::string& folder, const std::string& pattern = "*.png")
{
    return "<Kartenset Name=\"" + name + "\" Verzeichnis=\"" + folder
           + "\" Kartenbreite=\"120\" Kartenhoehe=\"180\"><Anzeige Name_DE=\"" + name + "\" Name_EN=\"" + name
           + " (en)\"/><Kartenbilder Dateiname=\"" + pattern
           + "\"/><Farbenbilder Dateiname=\"*.jpg\"/><Wertebilder Dateiname=\"*.jpg\"/><Maske Dateiname=\"Maske.png\"/>"
             "<Rueckseite Dateiname=\"Rueckseite.png\"/><Thumbnail Dateiname=\"Thumbnail.png\"/></Kartenset>";
}

QString faceName(VORDIX_BITMAP& bitmap)
{
    auto* imp = dynamic_cast<WIN_BITMAP*>(bitmap.implementor());
    return imp ? imp->name() : QString();
}

class BilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        factory = new AppTestFactory;
        VORDIX_IMPLEMENTORFACTORY::installInstance(factory);
        sink = std::make_shared<testsupport::RecordingMessageSink>();
        previousSink = vordix::setMessageSink(sink);
        USER_PREFS::destroyInstance();
        BILDER::destroyInstance();
        installBuiltTexts();
        usePrograms(WIN_FILEPATH::fromFsPath(kBuilt.parent_path()));
    }
    void TearDown() override
    {
        BILDER::destroyInstance();
        USER_PREFS::destroyInstance();
        SKAT_TEXT::destroyInstance();
        WIN_FILEPATH::setProgramFolder(L"");
        vordix::setMessageSink(previousSink);
        VORDIX_IMPLEMENTORFACTORY::deleteInstance();
    }
    void usePrograms(const std::wstring& folder) { WIN_FILEPATH::setProgramFolder(folder); }

    // A program folder of its own: the built pictures and sets, and an index
    // the test writes (with extra sets the test may break).
    fs::path ownResources(const std::string& extraSets)
    {
        const fs::path resources = program.path() / "Ressourcen";
        fs::remove_all(resources); // removes the links, never what they point to
        fs::create_directories(resources / "Kartensets");
        fs::create_directory_symlink(kBuilt / "Grafik", resources / "Grafik");
        for (const char* set : {"Franzoesisches_Blatt", "Turnierblatt", "Deutsches_Blatt"})
            fs::create_directory_symlink(kBuilt / "Kartensets" / set, resources / "Kartensets" / set);
        std::ofstream(resources / "Kartensets" / "Kartensets.xml")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Skat_Kartensets>"
            << setXml("Französisches Blatt", "Franzoesisches_Blatt") << setXml("Deutsches Blatt", "Deutsches_Blatt")
            << extraSets << "</Skat_Kartensets>";
        usePrograms(WIN_FILEPATH::fromFsPath(program.path()));
        return resources / "Kartensets";
    }
    // A copy of the German set under another folder name.
    fs::path copyOfGermanSet(const fs::path& sets, const std::string& folder)
    {
        fs::copy(kBuilt / "Kartensets" / "Deutsches_Blatt", sets / folder);
        return sets / folder;
    }

    AppTestFactory* factory = nullptr;
    std::shared_ptr<testsupport::RecordingMessageSink> sink;
    std::shared_ptr<vordix::MessageSink> previousSink;
    TempFolder program;
};

TEST(Kartensets, ReadsDescriptionsLeniently)
{
    KARTENSET_DOKUMENT index;
    ASSERT_EQ(streamFromXml("<Irgendwas><Kartenset Name=\"A\" Kartenbreite=\"120px\" Kartenhoehe=\"abc\" "
                            "Verzeichnis=\"Ordner\"><Kartenbilder Dateiname=\"*.png\"/><Kartenbilder "
                            "Dateiname=\"*.gif\"/><Maske/></Kartenset><Anderes/><Kartenset Name=\"B\"><Anzeige "
                            "Name_DE=\"Bee\" Name_EN=\"Bea\"/></Kartenset></Irgendwas>",
                            index),
              STREAM_READ_OK);
    ASSERT_EQ(index.sets.size(), 2u);
    const KARTENSET_BESCHREIBUNG& a = index.sets[0];
    EXPECT_EQ(a.name, L"A");
    EXPECT_EQ(a.cardWidth, 120);
    EXPECT_EQ(a.cardHeight, 0);
    EXPECT_EQ(a.folder, L"Ordner");
    EXPECT_EQ(a.cardPattern, L"*.png"); // only the first child counts
    EXPECT_TRUE(a.maskFile.empty());
    EXPECT_TRUE(a.suitPattern.empty());
    EXPECT_TRUE(a.displayName.empty()); // no "Anzeige"
    EXPECT_EQ(index.sets[1].displayName, L"Bee");
    EXPECT_EQ(index.sets[1].cardWidth, 0);

    ASSERT_EQ(streamFromXml("<Skat_Kartensets/>", index), STREAM_READ_OK);
    EXPECT_TRUE(index.sets.empty());
}

TEST(Kartensets, PatternsNeedAStarADotAndAShortExtension)
{
    const struct {
        const wchar_t* pattern;
        const wchar_t* extension;
    } cases[] = {{L"*.png", L"png"},      {L"*.jpg", L"jpg"}, {L"*.abcdefghij", L"abcdefghij"},
                 {L"*.abcdefghijk", L""}, {L"*.", L""},       {L"png", L""},
                 {L".png", L""},          {L"", L""}};
    for (const auto& c : cases)
        EXPECT_EQ(skat::patternExtension(c.pattern), c.extension) << c.pattern;
    EXPECT_EQ(BILDER::faceFile(CLUBS_JACK, L"*.png"), L"KB.png");
    EXPECT_EQ(BILDER::faceFile(DIAMONDS_ACE, L"*.png"), L"CA.png");
    EXPECT_TRUE(BILDER::faceFile(CLUBS_JACK, L"KB.png").empty());
    EXPECT_EQ(BILDER::faceIndex(11), 0);
    EXPECT_EQ(BILDER::faceIndex(DIAMONDS_ACE), 31);
    EXPECT_EQ(BILDER::faceIndex(NO_CARD), -1);
}

TEST_F(BilderTest, StartsWithTheStoredSetOrTheFrenchOne)
{
    BILDER& images = BILDER::instance();
    images.initialize();
    EXPECT_TRUE(sink->texts.empty());
    ASSERT_EQ(images.cardSetCount(), 3);
    EXPECT_EQ(images.currentSet, 0);
    EXPECT_EQ(images.cardWidth, 120);
    EXPECT_EQ(images.cardHeight, 180);
    EXPECT_TRUE(images.back.isLoaded());
    EXPECT_TRUE(images.mask.isLoaded());
    for (auto& suit : images.suits)
        EXPECT_TRUE(suit.isLoaded());
    for (auto& row : images.ranks)
        for (auto& rank : row)
            EXPECT_TRUE(rank.isLoaded());
    EXPECT_TRUE(images.assistant.isLoaded());
    EXPECT_TRUE(images.emptyAssistant.isLoaded());
    EXPECT_TRUE(images.mouse.isLoaded());
    EXPECT_EQ(images.findCardSet(L"Deutsches Blatt"), 2);
    EXPECT_EQ(images.findCardSet(L"Turnier"), 1);
    EXPECT_EQ(images.findCardSet(L"Gibt es nicht"), 0);
    EXPECT_EQ(images.cardSetTitle(0), L"Französisches Blatt");
    EXPECT_TRUE(images.cardSetTitle(3).empty());
    EXPECT_TRUE(images.cardSetTitle(-1).empty());
    for (int index = 0; index < 3; ++index) {
        VORDIX_BITMAP thumbnail;
        EXPECT_TRUE(images.loadThumbnail(index, thumbnail)) << index;
        EXPECT_GT(thumbnail.getWidth(), 0);
    }
    VORDIX_BITMAP none;
    EXPECT_FALSE(images.loadThumbnail(3, none));
    EXPECT_FALSE(none.isLoaded());

    BILDER::destroyInstance();
    (*factory->preferences)[PREF_CARD_SET] = L"Deutsches Blatt";
    factory->application.english = true;
    BILDER& again = BILDER::instance();
    again.initialize();
    EXPECT_EQ(again.currentSet, 2);
    EXPECT_EQ(again.cardSetTitle(0), L"French Deck");
}

TEST_F(BilderTest, SwitchingTheSetChangesTheFacesAndStoresTheChoice)
{
    BILDER& images = BILDER::instance();
    images.initialize();
    int reloads = 0;
    images.onReloadCardImages = [&] { ++reloads; };
    EXPECT_TRUE(faceName(images.cardFace(CLUBS_JACK)).endsWith(QLatin1String("Franzoesisches_Blatt/KB.png")));
    ASSERT_TRUE(images.selectCardSet(2));
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(faceName(images.cardFace(CLUBS_JACK)).endsWith(QLatin1String("Deutsches_Blatt/KB.png")));
    EXPECT_TRUE(faceName(images.back).endsWith(QLatin1String("Deutsches_Blatt/Rueckseite.png")));
    EXPECT_EQ((*factory->preferences)[PREF_CARD_SET], L"Deutsches Blatt");
    // The current set again: true, nothing reloaded.
    EXPECT_TRUE(images.selectCardSet(2));
    EXPECT_EQ(reloads, 1);
    EXPECT_FALSE(images.selectCardSet(3));
    EXPECT_FALSE(images.selectCardSet(-1));
    EXPECT_EQ(images.currentSet, 2);
    EXPECT_TRUE(sink->texts.empty());
    // No card: face 0, not loaded for it.
    BILDER::destroyInstance();
    EXPECT_FALSE(BILDER::instance().cardFace(NO_CARD).isLoaded());
}

TEST_F(BilderTest, ABrokenSetIsReportedAndTheOldOneStays)
{
    const fs::path sets = ownResources(setXml("Kaputt ohne Karte", "OhneKarte") + setXml("Kaputt Farbe", "KaputteFarbe")
                                       + setXml("Falsches Muster", "Deutsches_Blatt", "KB.png"));
    fs::remove(copyOfGermanSet(sets, "OhneKarte") / "HD.png");
    std::ofstream(copyOfGermanSet(sets, "KaputteFarbe") / "Herz.jpg") << "kein Bild";
    BILDER& images = BILDER::instance();
    images.initialize();
    ASSERT_EQ(images.cardSetCount(), 5);
    ASSERT_EQ(images.currentSet, 0);
    const QString oldBack = faceName(images.back);
    const struct {
        int index;
        const wchar_t* file;
    } cases[] = {{2, L"HD.png"}, {3, L"Herz.jpg"}, {4, L"Kartensets.xml"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        sink->clear();
        EXPECT_FALSE(images.selectCardSet(c.index));
        EXPECT_EQ(images.currentSet, 0);
        EXPECT_EQ(faceName(images.back), oldBack);
        EXPECT_TRUE(images.suits[2].isLoaded());
        ASSERT_EQ(sink->texts.size(), 1u);
        EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Error);
        EXPECT_NE(sink->texts[0].find(std::wstring(L"|") + c.file + L"|"), std::wstring::npos) << sink->texts[0];
        EXPECT_EQ(factory->preferences->count(PREF_CARD_SET), 1u);
        EXPECT_EQ((*factory->preferences)[PREF_CARD_SET], L"Französisches Blatt");
    }
    EXPECT_TRUE(faceName(images.cardFace(HEARTS_SEVEN)).contains(QLatin1String("Franzoesisches_Blatt")));
}

TEST_F(BilderTest, AFaceThatCannotBeReadIsReportedOncePerSet)
{
    const fs::path sets = ownResources(setXml("Schlechte Karte", "SchlechteKarte"));
    std::ofstream(copyOfGermanSet(sets, "SchlechteKarte") / "KB.png", std::ios::trunc) << "kein Bild";
    BILDER& images = BILDER::instance();
    images.initialize();
    ASSERT_TRUE(images.selectCardSet(2)); // the file exists, so the switch works
    sink->clear();
    for (int paint = 0; paint < 3; ++paint) {
        EXPECT_FALSE(images.cardFace(CLUBS_JACK).isLoaded());
        EXPECT_TRUE(images.cardFace(HEARTS_SEVEN).isLoaded());
    }
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_NE(sink->texts[0].find(L"|KB.png|"), std::wstring::npos);
    // Another set may report its own broken face again.
    ASSERT_TRUE(images.selectCardSet(1));
    ASSERT_TRUE(images.selectCardSet(2));
    images.cardFace(CLUBS_JACK);
    EXPECT_EQ(sink->texts.size(), 2u);
}

TEST_F(BilderTest, MissingIndexOrStoredSetIsReported)
{
    ownResources("");
    fs::remove(program.path() / "Ressourcen" / "Kartensets" / "Kartensets.xml");
    BILDER& images = BILDER::instance();
    images.initialize();
    EXPECT_EQ(images.currentSet, -1);
    EXPECT_EQ(images.cardSetCount(), 0);
    ASSERT_EQ(sink->texts.size(), 1u);
    EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Information);
    EXPECT_FALSE(images.selectCardSet(0));
    EXPECT_FALSE(images.cardFace(CLUBS_JACK).isLoaded());

    // A stored set that cannot be shown: reported, and play goes on with another.
    BILDER::destroyInstance();
    sink->clear();
    const fs::path sets = ownResources(setXml("Leer", "GibtEsNicht"));
    (*factory->preferences)[PREF_CARD_SET] = L"Leer";
    BILDER& again = BILDER::instance();
    again.initialize();
    ASSERT_EQ(sink->texts.size(), 2u);
    EXPECT_EQ(sink->kinds[0], vordix::MessageKind::Error);
    EXPECT_EQ(sink->kinds[1], vordix::MessageKind::Information);
    EXPECT_EQ(again.currentSet, 0);
    Q_UNUSED(sets);
}

TEST(BilderFiles, TableImagesFollowThemeAndSize)
{
    // clang-format off
    const struct { int index; int theme; bool full; const wchar_t* file; } cases[] = {
        {1, 2, false, L"small_Insel_Tisch_FP_Center.png"}, {1, 4, true, L"Mono_Tisch_FP_Center.png"},
        {6, 2, false, L"Insel_FP_Kartenblatt.png"},        {6, 4, true, L"Insel_FP_Kartenblatt.png"},
        {2, 4, true, L""},  {3, 4, true, L""},  {4, 4, false, L""},  {5, 4, true, L""},
        {2, 1, true, L"Berge_Tisch_Leer.png"},              {5, 3, false, L"small_Kneipe_Augen_Right.png"},
        {1, 5, true, L""},  {1, 0, true, L""},  {0, 1, true, L""},  {19, 1, true, L""},
        {7, 1, false, L"small_Skat.png"},                   {13, 1, false, L"small_Stapel_Right_Top.png"},
        {14, 1, false, L"Liste_Top.de.png"},                {18, 2, false, L"Sticheschatten.png"}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(BILDER::tableImageFile(c.index, c.theme, c.full), c.file) << c.index << " " << c.theme;
    EXPECT_EQ(BILDER::uiImageFile(5), L"Button.png");
    EXPECT_EQ(BILDER::uiImageFile(24), L"FastForward_selected.png");
    EXPECT_TRUE(BILDER::uiImageFile(0).empty());
    EXPECT_TRUE(BILDER::uiImageFile(25).empty());
}

// Nothing the cache names is missing: every table picture of every theme and
// size and every interface picture loads from the built folder.
TEST_F(BilderTest, EveryPictureOfEveryThemeAndSizeLoads)
{
    BILDER& images = BILDER::instance();
    int reloads = 0;
    images.onCardSetChanged = [&] { ++reloads; };
    for (int theme = 1; theme <= 4; ++theme) {
        for (bool full : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "theme " << theme << " full " << full);
            USER_PREFS::instance().tableTheme = theme;
            images.setFullSizeImages(full);
            for (int index = 1; index < BILDER::TABLE_IMAGES; ++index)
                EXPECT_EQ(images.tableImage(index).isLoaded(), !BILDER::tableImageFile(index, theme, full).empty())
                    << index;
            for (int index = 1; index < BILDER::UI_IMAGES; ++index)
                EXPECT_TRUE(images.uiImage(index).isLoaded()) << index;
            EXPECT_TRUE(images.assistant.isLoaded());
        }
    }
    EXPECT_EQ(reloads, 8);
    // Nothing changed: no reload.
    images.loadAssistantImages();
    EXPECT_EQ(reloads, 8);
    EXPECT_TRUE(images.tableImage(1).isLoaded());
    EXPECT_EQ(&images.tableImageByKind(0), &images.tableImage(5));
    EXPECT_EQ(&images.tableImageByKind(2), &images.tableImage(4));
    EXPECT_EQ(&images.tableImageByKind(7), &images.tableImage(1));
    EXPECT_FALSE(images.tableImage(0).isLoaded());
    images.unloadAll();
    EXPECT_FALSE(images.tableImage(0).isLoaded());
    EXPECT_FALSE(images.assistant.isLoaded());
}

} // namespace
