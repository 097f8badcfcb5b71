// The compiled-in bundle: every picture with its size and format, the two
// style sheets, the compressed entries, and every ":/" path that a form or
// the program's code names.

#include "FormTestHosts.h"

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "skat/windows/ResourceStringTable.h"
#include "vordix/ResourceStrings.h"
#include "vordix/windows/FormRegistry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>

#include <memory>

namespace {

struct BundleEntry {
    const char* path;
    int width;
    int height;
};

// The bundle's pictures and their pixel sizes.
// clang-format off
const BundleEntry kPictures[] = {
    {":/icons/Skat_16.png", 16, 16}, {":/icons/Skat_32.png", 32, 32}, {":/icons/Skat_48.png", 48, 48},
    {":/icons/Skat_256.png", 256, 256}, {":/icons/Maus_L_48.png", 48, 48}, {":/icons/Maus_R_16.png", 16, 16},
    {":/icons/Maus_R_32.png", 32, 32}, {":/icons/Maus_R_48.png", 48, 48}, {":/icons/Maus_R_256.png", 256, 256},
    {":/toolbars/Neu.png", 32, 32}, {":/toolbars/Oeffnen.png", 32, 32}, {":/toolbars/Speichern.png", 32, 32},
    {":/toolbars/Drucken.png", 32, 32}, {":/toolbars/Fortsetzen.png", 32, 32},
    {":/toolbars/Spielverlauf.png", 32, 32}, {":/toolbars/Undo.png", 32, 32},
    {":/toolbars/Wiederholen.png", 32, 32}, {":/toolbars/Nachspielen.png", 32, 32},
    {":/toolbars/Verteilung_aendern.png", 32, 32}, {":/toolbars/Fehler_melden.png", 32, 32},
    {":/toolbars/Einstellungen.png", 32, 32}, {":/toolbars/Trainingssituation.png", 32, 32},
    {":/toolbars/Delete.png", 32, 32}, {":/toolbars/Fill.png", 32, 32}, {":/toolbars/Rotieren.png", 32, 32},
    {":/images/Hilfe_normal.png", 22, 22}, {":/images/Hilfe_hover.png", 22, 22},
    {":/images/Hilfe_down.png", 22, 22}, {":/images/Hilfe_disabled.png", 22, 22},
    {":/images/TransparentBackground.png", 20, 20}, {":/images/Bonjour.bmp", 88, 88},
    {":/dialogues/Kreuz.png", 24, 24}, {":/dialogues/Pik.png", 24, 24}, {":/dialogues/Coeur.png", 24, 24},
    {":/dialogues/Karo.png", 24, 24}, {":/dialogues/Eichel.png", 24, 24}, {":/dialogues/Gruen.png", 24, 24},
    {":/dialogues/Herz.png", 24, 24}, {":/dialogues/Schellen.png", 24, 24},
    {":/dialogues/Hintergrund-Abrechnung.png", 667, 461}, {":/dialogues/Hintergrund-Eingepasst.png", 620, 500},
    {":/dialogues/ListeKomplett.png", 480, 320}, {":/dialogues/Titellogo.png", 681, 464},
    {":/dialogues/Sprechblase-Abrechnung.png", 190, 110}, {":/dialogues/Sprechblase-Spielansage.png", 550, 350},
    {":/dialogues/Sprechblase-Spielabkuerzung.png", 500, 147}, {":/dialogues/Sprechblase-Tutor.png", 308, 327},
    {":/dialogues/Maus_Tutor.png", 80, 80}, {":/dialogues/Spielverlauf.png", 30, 30},
    {":/dialogues/Pan48.png", 48, 48}, {":/dialogues/Eraser48.png", 48, 48},
    {":/dialogues/head_small.png", 9, 8}, {":/dialogues/head_large.png", 16, 13},
    {":/dialogues/Theme_Thumbnail_Kneipe.bmp", 80, 65}, {":/dialogues/Theme_Thumbnail_Meer.bmp", 80, 65},
    {":/dialogues/Theme_Thumbnail_Berge.bmp", 80, 65}, {":/dialogues/Theme_Thumbnail_Leer.bmp", 80, 65},
    {":/dialogues/Blatt_Thumbnail_Deutsch.bmp", 35, 50}, {":/dialogues/Blatt_Thumbnail_Franzoesisch.bmp", 35, 50},
    {":/dialogues/Blatt_Thumbnail_Turnier.bmp", 35, 50}, {":/dialogues/Reizwerte.png", 404, 211},
    {":/dialogues/Skat.png", 128, 128},
};
// clang-format on

QSet<QString> bundleFiles()
{
    QSet<QString> files;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(QLatin1String(":/qt-project.org")) && !path.startsWith(QLatin1String(":/qpdf")))
            files.insert(path);
    }
    return files;
}

TEST(ResourceBundle, HoldsEveryPictureWithItsSizeAndFormat)
{
    for (const BundleEntry& entry : kPictures) {
        SCOPED_TRACE(entry.path);
        const QString path = QString::fromLatin1(entry.path);
        QImageReader reader(path);
        const QByteArray expectedFormat = path.endsWith(QLatin1String(".bmp")) ? "bmp" : "png";
        EXPECT_EQ(reader.format(), expectedFormat);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), entry.width);
        EXPECT_EQ(image.height(), entry.height);
    }
}

TEST(ResourceBundle, HoldsSixtyFourFilesInFiveFolders)
{
    const QSet<QString> files = bundleFiles();
    QSet<QString> expected;
    for (const BundleEntry& entry : kPictures)
        expected.insert(QString::fromLatin1(entry.path));
    expected.insert(QStringLiteral(":/styles/Skat.qss"));
    expected.insert(QStringLiteral(":/styles/ErrorReport.qss"));
    EXPECT_EQ(expected.size(), 64);
    EXPECT_EQ(files, expected);
}

TEST(ResourceBundle, BitmapsAreTwentyFourBitWindowsBitmaps)
{
    for (const BundleEntry& entry : kPictures) {
        const QString path = QString::fromLatin1(entry.path);
        if (!path.endsWith(QLatin1String(".bmp")))
            continue;
        SCOPED_TRACE(entry.path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        ASSERT_GT(data.size(), 54);
        EXPECT_EQ(data.left(2), QByteArray("BM"));
        EXPECT_EQ(quint8(data[28]) | quint8(data[29]) << 8, 24); // bits per pixel
        const int rowBytes = (entry.width * 3 + 3) / 4 * 4;
        EXPECT_EQ(data.size(), 54 + rowBytes * entry.height);
    }
    QFile bonjour(QStringLiteral(":/images/Bonjour.bmp"));
    ASSERT_TRUE(bonjour.open(QIODevice::ReadOnly));
    EXPECT_EQ(bonjour.readAll().size(), 23286);
}

TEST(ResourceBundle, StyleSheetsReadBackWholeAndOnlyTwoEntriesAreCompressed)
{
    for (const char* name : {"Skat.qss", "ErrorReport.qss"}) {
        SCOPED_TRACE(name);
        QFile source(QStringLiteral(SKAT_SOURCE_DIR "/skat/windows/styles/%1").arg(QLatin1String(name)));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QFile bundled(QStringLiteral(":/styles/%1").arg(QLatin1String(name)));
        ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
        EXPECT_EQ(bundled.readAll(), source.readAll());
    }
    for (const QString& path : bundleFiles()) {
        SCOPED_TRACE(path.toStdString());
        const bool compressed =
            path == QLatin1String(":/styles/Skat.qss") || path == QLatin1String(":/images/Bonjour.bmp");
        EXPECT_EQ(QResource(path).compressionAlgorithm(),
                  compressed ? QResource::ZlibCompression : QResource::NoCompression);
    }
}

TEST(ResourceBundle, StyleSheetsHoldTheirRules)
{
    QFile skat(QStringLiteral(":/styles/Skat.qss"));
    ASSERT_TRUE(skat.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(skat.readAll());
    for (const char* needle : {"1. Hintergrund", "2. Rahmen", "3. Position", "#AAAAAA", "#D0D0D0", "#E6E6E6", "#B4B4B4",
                               "#Tab_4", "QTabBar::tab:only-one", "top: -1em", "alignment: center"})
        EXPECT_TRUE(text.contains(QLatin1String(needle))) << needle;
    QFile report(QStringLiteral(":/styles/ErrorReport.qss"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString reportText = QString::fromUtf8(report.readAll());
    EXPECT_TRUE(reportText.contains(QLatin1String("#headerBkGnd")));
    EXPECT_TRUE(reportText.contains(QLatin1String("0.971591")));
}

QStringList& capturedWarnings()
{
    static QStringList warnings;
    return warnings;
}

// Both style sheets parse: Qt complains about a broken sheet only when it
// styles a widget with it.
TEST(ResourceBundle, StyleSheetsApplyWithoutComplaints)
{
    const QString previousSheet = qApp->styleSheet();
    capturedWarnings().clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                capturedWarnings().append(m);
        });
    for (const char* sheet : {":/styles/Skat.qss", ":/styles/ErrorReport.qss"}) {
        QFile file{QString::fromLatin1(sheet)};
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
        QDialog dialog;
        auto* tabs = new QTabWidget(&dialog);
        tabs->addTab(new QWidget, QStringLiteral("Eins"));
        tabs->addTab(new QWidget, QStringLiteral("Zwei"));
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        auto* bar = new QToolBar(&dialog);
        auto* frame = new QWidget(&dialog);
        frame->setObjectName(QStringLiteral("frame"));
        auto* header = new QWidget(&dialog);
        header->setObjectName(QStringLiteral("headerBkGnd"));
        for (QWidget* w : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(tabs), static_cast<QWidget*>(button),
                           static_cast<QWidget*>(bar), frame, header})
            w->ensurePolished();
        dialog.grab(); // paints once with the sheet
    }
    qInstallMessageHandler(previous);
    qApp->setStyleSheet(previousSheet);
    EXPECT_TRUE(capturedWarnings().isEmpty()) << capturedWarnings().join(QLatin1Char('\n')).toStdString();
}

// The tool bars of the score-sheet, history, training and card-deal editor
// windows, painted with the program's style sheet: a light bar under dark
// labels, not the black that a gradient makes of the base style's fill, and
// room for every action at the window's own size.
TEST(ResourceBundle, EveryWindowToolBarIsPaintedLightUnderTheStyleSheet)
{
    registerControlIds();
    registerForms();
    const QString previousSheet = qApp->styleSheet();
    QFile file(QStringLiteral(":/styles/Skat.qss"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
    for (int formId : {5, 6, 7, 8}) {
        SCOPED_TRACE(formId);
        TestWindowHost host;
        std::unique_ptr<WindowControlFactory> binding(FormRegistry::findWindowForm(formId)());
        ASSERT_NE(binding, nullptr);
        binding->setup(&host);
        host.show(); // at the form's own size
        auto* bar = host.findChild<QToolBar*>(QStringLiteral("toolBar"));
        ASSERT_NE(bar, nullptr);
        ASSERT_GT(bar->height(), 0);
        const QImage picture = bar->grab().toImage();
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 64;
        EXPECT_LT(dark, picture.width() * picture.height() / 5);
        // Far right of the last button only the bar's own background shows.
        EXPECT_GT(qGray(picture.pixel(picture.width() - 2, picture.height() / 2)), 160);
        // Every action has its button in the bar, none is left to the overflow menu.
        for (QAction* action : bar->actions()) {
            QWidget* button = bar->widgetForAction(action);
            EXPECT_TRUE(button && button->isVisible()) << action->objectName().toStdString();
        }
    }
    qApp->setStyleSheet(previousSheet);
}

TEST(ResourceBundle, PathOutsideTheBundleGivesANullPicture)
{
    EXPECT_TRUE(QPixmap(QStringLiteral(":/icons/icons/Skat_32.png")).isNull());
    EXPECT_TRUE(QPixmap(QStringLiteral(":/icons/skat_32.png")).isNull()); // paths are case-sensitive
    EXPECT_FALSE(QPixmap(QStringLiteral(":/icons/Skat_32.png")).isNull());
}

// Every ":/" path written in the program's forms, style sheets and code.
TEST(ResourceBundle, EveryPathNamedByFormsAndCodeResolves)
{
    const QRegularExpression pathPattern(QStringLiteral(":/[A-Za-z_]+/[A-Za-z0-9_.\\-]+\\.(png|bmp|qss|jpg)"));
    int found = 0;
    for (const char* folder : {"skat", "vordix", "setup"}) {
        QDirIterator it(
            QStringLiteral(SKAT_SOURCE_DIR "/%1").arg(QLatin1String(folder)),
            {QStringLiteral("*.ui"), QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.qss")},
            QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = pathPattern.globalMatch(text);
            while (matches.hasNext()) {
                const QString path = matches.next().captured(0);
                ++found;
                EXPECT_TRUE(QFile::exists(path)) << path.toStdString() << " in " << file.fileName().toStdString();
            }
        }
    }
    EXPECT_GT(found, 100);
}

TEST(ResourceBundle, SuitPicturesOfTheResourceStringsResolve)
{
    ResourceStrings::instance().clear();
    registerResourceStrings();
    for (int id = 502; id <= 509; ++id) {
        SCOPED_TRACE(id);
        const QString path = QString::fromStdWString(ResourceStrings::instance().get(id));
        ASSERT_TRUE(path.startsWith(QLatin1String(":/dialogues/")));
        EXPECT_FALSE(QPixmap(path).isNull());
    }
}

} // namespace
