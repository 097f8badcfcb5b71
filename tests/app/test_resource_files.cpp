// The data folder "Ressourcen" beside the program, as the build makes it:
// every interface picture (with its "small_" copy where the table images
// take one), the three card sets with their index, and every sound.

#include "skat/app/SkatPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace {

const QString kResources = QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Ressourcen");

QString grafik(const QString& name) { return kResources + QStringLiteral("/Grafik/") + name; }

// Reads a picture, checking its format; a null image when it is missing.
QImage readPicture(const QString& path, const QByteArray& format)
{
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), format) << path.toStdString();
    return reader.read();
}

const char* const kScoreSheets[] = {"Liste_Top.de.png",      "Liste_Top.en.png",       "Liste_Segment.png",
                                    "Liste_Bottom.de.png",   "Liste_Bottom.en.png",    "Liste_4er_Top.de.png",
                                    "Liste_4er_Segment.png", "Liste_4er_Bottom.de.png"};

// clang-format off
const char* const kOtherPictures[] = {
    "Wizzard.png", "Maus.png", "Face0.png", "Face1.png", "Face2.png", "Wizzard_Leer.png", "Info.png",
    "Info_selected.png", "Info_extension_left.png", "Info_extension_middle.png", "Info_extension_right.png",
    "Prefs.png", "Prefs_selected.png", "Help.png", "Help_selected.png", "Tutor.png", "Tutor_selected.png",
    "FastForward.png", "FastForward_selected.png", "Stapel_Left_Top.png", "Stapel_Middle_Top.png",
    "Stapel_Right_Top.png", "Stapel_Left_Segment.png", "Stapel_Middle_Segment.png", "Stapel_Right_Segment.png",
    "Skat.png", "Balloon_Large_Right.png", "Balloon_Large_Left.png", "Balloon_Left.png", "Balloon_Middle.png",
    "Balloon_Right.png", "Undo_Normal.png", "Undo_Select.png", "Redo_Normal.png", "Redo_Select.png",
    "Helpicon_Normal.png", "Helpicon_Selected.png", "Kartenschatten.png", "Sticheschatten.png",
    "Enter_Fullscreen.png", "Leave_Fullscreen.png", "Button.png", "Button_down.png", "Button_inactive.png",
    "Icon_Kreuz.png", "Icon_Pik.png", "Icon_Herz.png", "Icon_Karo.png", "Icon_Grand.png", "Icon_Null.png",
    "Icon_Ramsch.png"};
// clang-format on

std::vector<QString> themePictures()
{
    std::vector<QString> names;
    for (const char* theme : {"Berge", "Insel", "Kneipe"})
        for (const char* part :
             {"_Tisch_Leer", "_Tisch_FP_Center", "_Tisch_VG", "_Augen_Left", "_Augen_Right", "_FP_Kartenblatt"})
            names.push_back(QLatin1String(theme) + QLatin1String(part) + QStringLiteral(".png"));
    names.push_back(QStringLiteral("Mono_Tisch_FP_Center.png"));
    return names;
}

TEST(ResourceFiles, EverySeventyEightInterfacePictureIsAPng)
{
    std::vector<QString> names = themePictures();
    for (const char* name : kScoreSheets)
        names.push_back(QLatin1String(name));
    for (const char* name : kOtherPictures)
        names.push_back(QLatin1String(name));
    EXPECT_EQ(names.size(), 78u);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(readPicture(grafik(name), "png").isNull());
    }
}

// The table images that the small layout loads with the "small_" prefix.
TEST(ResourceFiles, SmallLayoutCopiesExistAndAreSmaller)
{
    std::vector<QString> names;
    for (const char* theme : {"Berge", "Insel", "Kneipe"})
        for (const char* part : {"_Tisch_FP_Center", "_Tisch_Leer", "_Tisch_VG", "_Augen_Left", "_Augen_Right"})
            names.push_back(QLatin1String(theme) + QLatin1String(part) + QStringLiteral(".png"));
    names.push_back(QStringLiteral("Mono_Tisch_FP_Center.png"));
    for (const char* name :
         {"Skat.png", "Stapel_Left_Segment.png", "Stapel_Middle_Segment.png", "Stapel_Right_Segment.png",
          "Stapel_Left_Top.png", "Stapel_Middle_Top.png", "Stapel_Right_Top.png"})
        names.push_back(QLatin1String(name));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage full = readPicture(grafik(name), "png");
        const QImage small = readPicture(grafik(QStringLiteral("small_") + name), "png");
        ASSERT_FALSE(full.isNull());
        ASSERT_FALSE(small.isNull());
        EXPECT_LT(small.width(), full.width());
        EXPECT_LE(small.height(), full.height());
    }
    // The small backgrounds fill the small layout exactly.
    const QImage background = QImage(grafik(QStringLiteral("small_Insel_Tisch_FP_Center.png")));
    EXPECT_EQ(background.size(), QSize(480, 320));
}

// Sizes that the window layouts draw the pictures at.
TEST(ResourceFiles, PicturesHaveTheSizesTheLayoutsUse)
{
    // clang-format off
    const struct { const char* name; int w; int h; } sizes[] = {
        {"Liste_Top.de.png", 480, 72}, {"Liste_Top.en.png", 480, 72}, {"Liste_Segment.png", 480, 45},
        {"Liste_Bottom.de.png", 480, 103}, {"Liste_4er_Top.de.png", 480, 72}, {"Liste_4er_Segment.png", 480, 60},
        {"Liste_4er_Bottom.de.png", 480, 103}, {"Info_extension_left.png", 11, 27},
        {"Info_extension_middle.png", 8, 27}, {"Info_extension_right.png", 11, 27},
        {"Berge_FP_Kartenblatt.png", 640, 362}, {"Insel_FP_Kartenblatt.png", 640, 362},
        {"Kneipe_FP_Kartenblatt.png", 640, 362}, {"Berge_Tisch_FP_Center.png", 1440, 1024},
        {"Mono_Tisch_FP_Center.png", 1440, 1024}, {"Helpicon_Normal.png", 28, 28},
        {"Enter_Fullscreen.png", 27, 27}, {"Leave_Fullscreen.png", 27, 27}, {"Icon_Grand.png", 28, 14},
        {"Kartenschatten.png", 144, 216}};
    // clang-format on
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.name);
        const QImage image(grafik(QLatin1String(s.name)));
        EXPECT_EQ(image.size(), QSize(s.w, s.h));
    }
}

struct CardSet {
    QString name;
    QString english;
    QString folder;
    QString mask, back, thumbnail;
    int width = 0, height = 0;
};

std::vector<CardSet> readIndex(QString* error)
{
    std::vector<CardSet> sets;
    QFile file(kResources + QStringLiteral("/Kartensets/Kartensets.xml"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no index");
        return sets;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("Kartenset")) {
            CardSet set;
            set.name = a.value(QLatin1String("Name")).toString();
            set.folder = a.value(QLatin1String("Verzeichnis")).toString();
            set.width = a.value(QLatin1String("Kartenbreite")).toInt();
            set.height = a.value(QLatin1String("Kartenhoehe")).toInt();
            sets.push_back(set);
        } else if (!sets.empty()) {
            const QString file = a.value(QLatin1String("Dateiname")).toString();
            if (xml.name() == QLatin1String("Anzeige"))
                sets.back().english = a.value(QLatin1String("Name_EN")).toString();
            if (xml.name() == QLatin1String("Maske"))
                sets.back().mask = file;
            if (xml.name() == QLatin1String("Rueckseite"))
                sets.back().back = file;
            if (xml.name() == QLatin1String("Thumbnail"))
                sets.back().thumbnail = file;
            if (xml.name() == QLatin1String("Kartenbilder"))
                EXPECT_EQ(file, QStringLiteral("*.png"));
            if (xml.name() == QLatin1String("Farbenbilder") || xml.name() == QLatin1String("Wertebilder"))
                EXPECT_EQ(file, QStringLiteral("*.jpg"));
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return sets;
}

TEST(ResourceFiles, CardSetIndexDescribesTheThreeSets)
{
    QString error;
    const std::vector<CardSet> sets = readIndex(&error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(sets.size(), 3u);
    const struct {
        const char* name;
        const char* english;
        const char* folder;
    } expected[] = {{"Französisches Blatt", "French Deck", "Franzoesisches_Blatt"},
                    {"Turnierblatt", "Tournament Deck", "Turnierblatt"},
                    {"Deutsches Blatt", "German Deck", "Deutsches_Blatt"}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sets[i].name, QString::fromUtf8(expected[i].name));
        EXPECT_EQ(sets[i].english, QString::fromUtf8(expected[i].english));
        EXPECT_EQ(sets[i].folder, QString::fromUtf8(expected[i].folder));
        EXPECT_EQ(sets[i].width, 120);
        EXPECT_EQ(sets[i].height, 180);
    }
}

TEST(ResourceFiles, EveryCardSetHasFacesSuitsRanksMaskBackAndThumbnail)
{
    QString error;
    const std::vector<CardSet> sets = readIndex(&error);
    ASSERT_EQ(sets.size(), 3u);
    const char* const suits[] = {"K", "P", "H", "C"};
    const char* const ranks[] = {"7", "8", "9", "B", "D", "K", "10", "A"};
    for (const CardSet& set : sets) {
        SCOPED_TRACE(set.folder.toStdString());
        const QString folder = kResources + QStringLiteral("/Kartensets/") + set.folder + QLatin1Char('/');
        for (const char* suit : suits)
            for (const char* rank : ranks) {
                const QString name = QLatin1String(suit) + QLatin1String(rank) + QStringLiteral(".png");
                SCOPED_TRACE(name.toStdString());
                const QImage face = readPicture(folder + name, "png");
                EXPECT_EQ(face.size(), QSize(120, 180));
            }
        for (const char* suit : {"Kreuz", "Pik", "Herz", "Caro"})
            EXPECT_FALSE(readPicture(folder + QLatin1String(suit) + QStringLiteral(".jpg"), "jpeg").isNull()) << suit;
        for (const char* rank : {"B", "A", "10", "K", "D", "9", "8", "7"})
            EXPECT_FALSE(readPicture(folder + QLatin1String(rank) + QStringLiteral(".jpg"), "jpeg").isNull()) << rank;
        EXPECT_EQ(QImage(folder + set.mask).size(), QSize(120, 180));
        EXPECT_EQ(QImage(folder + set.back).size(), QSize(120, 180));
        EXPECT_FALSE(QImage(folder + set.thumbnail).isNull());
        for (const char* stack : {"Stapel_Left_Top.png", "Stapel_Middle_Segment.png", "small_Stapel_Right_Top.png"})
            EXPECT_FALSE(QImage(folder + QLatin1String(stack)).isNull()) << stack;
    }
}

// Every sound name, and the folders they are played from.
TEST(ResourceFiles, EverySoundIsAnMp3InItsFolder)
{
    const char* const bids[] = {"100", "108", "110", "117", "120", "18", "20", "22", "23", "24", "27", "30", "33",
                                "35",  "36",  "40",  "44",  "45",  "46", "48", "50", "54", "55", "59", "60", "63",
                                "66",  "70",  "72",  "77",  "80",  "81", "84", "88", "90", "96", "99"};
    // clang-format off
    const char* const phrases[] = {
        "aberimmer", "badengegangen", "dasziehtblasen", "deinspiel", "derofenistaus", "dersackistzu", "doerfer",
        "drei", "eichel", "eichelhand", "eicheloffen", "eichelschneider", "eichelschwarz", "fetterstich", "grand",
        "grandhand", "grandouvert", "grandschneider", "grandschwarz", "gruen", "gruenhand", "gruenoffen",
        "gruenschneider", "gruenschwarz", "herz", "herzhand", "herzouvert", "herzschneider", "herzschwarz",
        "ichbinweg", "immer", "istdasalles", "ja", "karo", "karohand", "karoouvert", "karoschneider",
        "karoschwarz", "klar", "klardoch", "kleingross", "kontra", "kreuz", "kreuzhand", "kreuzjeder",
        "kreuzouvert", "kreuzschneider", "kreuzschwarz", "logo", "lokus", "mehr", "nichtmitmir", "null",
        "nullhand", "nullhandouvert", "nullouvert", "passe", "pik", "pikhand", "pikouvert", "pikschneider",
        "pikschwarz", "rot", "rothand", "rotoffen", "rotschneider", "rotschwarz", "sattebeute", "schellen",
        "schellenhand", "schellenoffen", "schellenschneider", "schellenschwarz", "schneidersindauchleute",
        "schwarzwiediefuesse", "schwarzwiedienacht", "staatsanwalt", "tschuess", "vatermutter", "vier", "weg",
        "zahlenschafftfrieden", "zielschneider", "zwo"};
    // clang-format on
    const char* const demo[] = {"bierumgeschuettet",
                                "bierumgeschuettet2",
                                "freundin",
                                "fussballspiel",
                                "karteraus",
                                "karteraus2",
                                "karteruntergefallen",
                                "karteruntergefallen2",
                                "kekse",
                                "kekse2",
                                "mussmal",
                                "blase",
                                "omi",
                                "pizzamann",
                                "trinken",
                                "trinken2",
                                "ueberlegen",
                                "zeitungsjunge"};
    const char* const speaker[] = {"mindestens4abheben", "mindestens4liegen", "wiederholt", "wiederholtnichtinliste"};
    const char* const effects[] = {"abheben", "geben", "glocke", "mischen", "spuelung", "telefon"};
    EXPECT_EQ(std::size(phrases), 84u);
    std::vector<QString> files;
    for (const char* voice : {"L", "R"}) {
        const QString v = QLatin1String(voice);
        for (const char* name : bids)
            files.push_back(v + QLatin1Char('/') + QLatin1String(name));
        for (const char* name : phrases)
            files.push_back(v + QLatin1Char('/') + QLatin1String(name));
        for (const char* name : demo)
            files.push_back(v + QStringLiteral("/demo/") + QLatin1String(name));
        files.push_back(v + QStringLiteral("/hallo/hallo"));
    }
    for (const char* name : speaker)
        files.push_back(QStringLiteral("Sprecher/") + QLatin1String(name));
    for (const char* name : effects)
        files.push_back(QStringLiteral("Effekte/") + QLatin1String(name));
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(kResources + QStringLiteral("/Sounds/") + name + QStringLiteral(".mp3"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(4);
        ASSERT_EQ(head.size(), 4);
        // An ID3 tag or an MPEG audio frame header.
        const bool mpeg = head.startsWith("ID3") || (quint8(head[0]) == 0xFF && (quint8(head[1]) & 0xE0) == 0xE0);
        EXPECT_TRUE(mpeg);
        EXPECT_GT(file.size(), 500);
    }
}

// The names the program looks up (its path table) against the built files.
TEST(ResourceFiles, EveryImageAndSoundOfThePathTableExists)
{
    const SKAT_PATHS paths;
    const auto& members = SKAT_PATHS::allMembers();
    auto name = [&](size_t index) { return QString::fromStdWString(paths.*members[index]); };
    auto exists = [](const QString& relative) { return QFile::exists(kResources + QLatin1Char('/') + relative); };
    for (size_t i = 46; i <= 123; ++i)
        EXPECT_TRUE(exists(QStringLiteral("Grafik/") + name(i))) << name(i).toStdString();
    for (size_t i = 135; i <= 140; ++i)
        EXPECT_TRUE(exists(QStringLiteral("Sounds/Effekte/") + name(i) + QStringLiteral(".mp3")))
            << name(i).toStdString();
    for (const char* voice : {"L", "R"}) {
        const QString v = QLatin1String(voice);
        for (size_t i = 141; i <= 261; ++i) // bid values and phrases
            EXPECT_TRUE(exists(QStringLiteral("Sounds/") + v + QLatin1Char('/') + name(i) + QStringLiteral(".mp3")))
                << voice << " " << name(i).toStdString();
        for (size_t i = 262; i <= 279; ++i) // demo phrases
            EXPECT_TRUE(
                exists(QStringLiteral("Sounds/") + v + QStringLiteral("/demo/") + name(i) + QStringLiteral(".mp3")))
                << voice << " " << name(i).toStdString();
    }
    for (size_t i = 280; i <= 283; ++i)
        EXPECT_TRUE(exists(QStringLiteral("Sounds/Sprecher/") + name(i) + QStringLiteral(".mp3")))
            << name(i).toStdString();
    EXPECT_TRUE(exists(QStringLiteral("Kartensets/") + QString::fromStdWString(paths.fileCardSetIndex)));
}

} // namespace
