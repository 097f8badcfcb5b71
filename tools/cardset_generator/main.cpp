// Renders the program's card sets at build time from Debian's card decks
// (kdegames-card-data-kf5, GPL-2+):
//   cardset_generator german  <german.svgz> <Kartensets folder>
//   cardset_generator french  <french.svgz> <Kartensets folder>
//   cardset_generator turnier <french.svgz> <Kartensets folder>
//   cardset_generator index   <Kartensets folder>      writes Kartensets.xml
// Each set folder gets the 32 faces (PNG, 120 x 180), the suit and rank
// pictures (JPEG), the mask, the back, a thumbnail and the stack pictures.

#include "../common/QuietBuildLog.h"
#include "CardArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

struct SetInfo {
    const char* name; // also the German display name
    const char* english;
    const char* folder;
};

const SetInfo kSets[] = {
    {"Französisches Blatt", "French Deck", "Franzoesisches_Blatt"},
    {"Turnierblatt", "Tournament Deck", "Turnierblatt"},
    {"Deutsches Blatt", "German Deck", "Deutsches_Blatt"},
};

bool writeIndex(const QDir& folder)
{
    QFile file(folder.filePath(QStringLiteral("Kartensets.xml")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Skat_Kartensets>\n";
    for (const SetInfo& set : kSets) {
        out << "  <Kartenset Name=\"" << QString::fromUtf8(set.name) << "\" Verzeichnis=\"" << set.folder
            << "\" Kartenbreite=\"" << cardart::CARD_WIDTH << "\" Kartenhoehe=\"" << cardart::CARD_HEIGHT << "\">\n"
            << "    <Anzeige Name_DE=\"" << QString::fromUtf8(set.name) << "\" Name_EN=\"" << set.english << "\"/>\n"
            << "    <Kartenbilder Dateiname=\"*.png\"/>\n"
            << "    <Farbenbilder Dateiname=\"*.jpg\"/>\n"
            << "    <Wertebilder Dateiname=\"*.jpg\"/>\n"
            << "    <Maske Dateiname=\"Maske.png\"/>\n"
            << "    <Rueckseite Dateiname=\"Rueckseite.png\"/>\n"
            << "    <Thumbnail Dateiname=\"Thumbnail.png\"/>\n"
            << "  </Kartenset>\n";
    }
    out << "</Skat_Kartensets>\n";
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: cardset_generator german|french|turnier <deck.svgz> <folder>\n"
                         "       cardset_generator index <folder>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tools::quietBuildLog();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString kind = args[1];
    if (kind == QLatin1String("index")) {
        QDir folder(args[2]);
        QDir().mkpath(folder.path());
        return writeIndex(folder) ? 0 : 1;
    }
    if (args.size() < 4)
        return usage();
    cardart::Style style;
    QString folderName;
    if (kind == QLatin1String("german")) {
        style = cardart::Style::German;
        folderName = QString::fromLatin1(kSets[2].folder);
    } else if (kind == QLatin1String("french")) {
        style = cardart::Style::French;
        folderName = QString::fromLatin1(kSets[0].folder);
    } else if (kind == QLatin1String("turnier")) {
        style = cardart::Style::Tournament;
        folderName = QString::fromLatin1(kSets[1].folder);
    } else {
        return usage();
    }
    QDir folder(QDir(args[3]).filePath(folderName));
    QString error;
    if (!cardart::renderSet(style, args[2], folder, &error)) {
        std::fprintf(stderr, "cardset_generator: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
