// The help pages in "Ressourcen/Hilfe" as the build copies them: every page
// the program opens exists in both languages, is a readable UTF-8 page with a
// title, and every link between pages leads to a page that exists.

#include "skat/app/SkatPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <utility>
#include <vector>

namespace {

const QString kHelp = QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Ressourcen/Hilfe");

QString readPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every page in the help folder, relative to it.
QStringList allPages()
{
    QStringList pages;
    QDirIterator it(kHelp, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << QDir(kHelp).relativeFilePath(it.next());
    pages.sort();
    return pages;
}

// The targets of href attributes that point into the help itself (no scheme).
QStringList localLinks(const QString& html)
{
    QStringList links;
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto it = href.globalMatch(html); it.hasNext();) {
        const QUrl url(it.next().captured(1));
        if (url.scheme().isEmpty())
            links << url.path();
    }
    return links;
}

bool isEnglish(const QString& page) { return page.endsWith(QStringLiteral(".en.html")); }

} // namespace

TEST(HelpPages, EveryPageTheProgramOpensExistsInBothLanguages)
{
    const SKAT_PATHS paths;
    const std::vector<std::pair<std::wstring, std::wstring>> pairs = {
        {paths.helpIntroDe, paths.helpIntroEn},           {paths.helpHandGameDe, paths.helpHandGameEn},
        {paths.helpGameValuesDe, paths.helpGameValuesEn}, {paths.helpBidFactorDe, paths.helpBidFactorEn},
        {paths.helpRulesDe, paths.helpRulesEn},           {paths.helpProgramDe, paths.helpProgramEn},
        {paths.helpProgram2De, paths.helpProgram2En},     {paths.helpWelcomeDe, paths.helpWelcomeEn}};
    for (const auto& [de, en] : pairs) {
        for (const std::wstring& name : {de, en}) {
            const QString path = kHelp + QLatin1Char('/') + QString::fromStdWString(name);
            const QString html = readPage(path);
            ASSERT_FALSE(html.isEmpty()) << path.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << path.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << path.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("<h1>"))) << path.toStdString();
            EXPECT_FALSE(html.contains(QChar::ReplacementCharacter)) << path.toStdString();
        }
    }
}

TEST(HelpPages, EveryRelativeLinkResolves)
{
    const QStringList pages = allPages();
    ASSERT_GE(pages.size(), 13);
    for (const QString& page : pages) {
        const QString html = readPage(kHelp + QLatin1Char('/') + page);
        const QDir dir = QFileInfo(kHelp + QLatin1Char('/') + page).dir();
        const QStringList links = localLinks(html);
        for (const QString& link : links) {
            if (link.isEmpty())
                continue; // a link to an anchor on the same page
            EXPECT_TRUE(QFileInfo::exists(dir.absoluteFilePath(link)))
                << page.toStdString() << " -> " << link.toStdString();
        }
    }
}

// An English reader stays in English, apart from the one bid-factor page
// that exists only in German (it carries an English summary).
TEST(HelpPages, EnglishPagesLinkToEnglishPages)
{
    for (const QString& page : allPages()) {
        if (!isEnglish(page))
            continue;
        const QString html = readPage(kHelp + QLatin1Char('/') + page);
        for (const QString& link : localLinks(html)) {
            if (link.isEmpty() || link.endsWith(QStringLiteral("reizfaktor.html")))
                continue;
            EXPECT_TRUE(isEnglish(link)) << page.toStdString() << " -> " << link.toStdString();
        }
    }
}

// Each topic page points to every other one, so no page is a dead end.
TEST(HelpPages, EveryPageIsReachableFromTheWelcomePage)
{
    for (const QString& start :
         {QStringLiteral("willkommen/willkommen.html"), QStringLiteral("willkommen/willkommen.en.html")}) {
        QStringList seen{start};
        for (int i = 0; i < seen.size(); ++i) {
            const QString page = seen[i];
            const QDir dir = QFileInfo(kHelp + QLatin1Char('/') + page).dir();
            for (const QString& link : localLinks(readPage(kHelp + QLatin1Char('/') + page))) {
                if (link.isEmpty())
                    continue;
                const QString target = QDir(kHelp).relativeFilePath(QDir::cleanPath(dir.absoluteFilePath(link)));
                if (!seen.contains(target))
                    seen << target;
            }
        }
        for (const QString& page : allPages()) {
            if (isEnglish(page) != isEnglish(start))
                continue;
            EXPECT_TRUE(seen.contains(page)) << start.toStdString() << " does not reach " << page.toStdString();
        }
    }
}

// The text browser forgives a lot, but an unclosed table or list swallows the
// rest of the page: every block element we use is closed as often as opened.
TEST(HelpPages, BlockElementsAreBalanced)
{
    const QStringList tags = {QStringLiteral("html"), QStringLiteral("body"), QStringLiteral("h1"),
                              QStringLiteral("h2"),   QStringLiteral("p"),    QStringLiteral("table"),
                              QStringLiteral("tr"),   QStringLiteral("ul"),   QStringLiteral("ol"),
                              QStringLiteral("li"),   QStringLiteral("b"),    QStringLiteral("a")};
    for (const QString& page : allPages()) {
        const QString html = readPage(kHelp + QLatin1Char('/') + page);
        for (const QString& tag : tags) {
            const QRegularExpression open(QStringLiteral("<%1[\\s>]").arg(tag));
            const QRegularExpression close(QStringLiteral("</%1>").arg(tag));
            EXPECT_EQ(html.count(open), html.count(close)) << page.toStdString() << " <" << tag.toStdString() << ">";
        }
    }
}
