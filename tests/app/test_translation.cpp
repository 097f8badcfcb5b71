// The English translation: every text of every form and every translatable
// framework text has an English text in the compiled translation.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <vector>

namespace {

struct FormText {
    QString form; // the form's class, the translation context
    QString source;
    QString comment; // disambiguation
};

// Texts that a translation leaves alone: style sheets, key sequences and
// texts without a letter.
bool needsTranslation(const QString& text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    static const QRegularExpression keys(QStringLiteral("^((Ctrl|Shift|Alt)\\+.*|F\\d+)$"));
    static const QRegularExpression style(QStringLiteral("^(color|background|border)[-a-z]*:"));
    return text.contains(letter) && !text.contains(QLatin1Char('{')) && !keys.match(text).hasMatch()
           && !style.match(text).hasMatch() && !text.startsWith(QLatin1String("<!DOCTYPE"));
}

std::vector<FormText> textsOfForm(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<FormText> texts;
    QString form;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("class") && form.isEmpty()) {
            form = xml.readElementText();
        } else if (xml.name() == QLatin1String("string")) {
            const auto attributes = xml.attributes();
            if (attributes.value(QLatin1String("notr")) == QLatin1String("true"))
                continue;
            const QString comment = attributes.value(QLatin1String("comment")).toString();
            const QString text = xml.readElementText();
            if (needsTranslation(text))
                texts.push_back({form, text, comment});
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return texts;
}

// The letter that the text's ampersand marks (lower case), none when it has
// none ("&&" is an ampersand of its own).
QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// The menu bar's menus: each with its own title and its entries' texts.
struct MenuTexts {
    QString title;
    std::vector<QString> entries;
};

std::vector<MenuTexts> menusOf(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<std::pair<MenuTexts, std::vector<QString>>> menus; // with their actions' names
    std::map<QString, QString> actionTexts;
    QString action;
    bool inMenu = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("widget"))
            inMenu = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("widget")) {
            inMenu = attributes.value(QLatin1String("class")) == QLatin1String("QMenu");
            if (inMenu)
                menus.push_back({});
        } else if (xml.name() == QLatin1String("action")) {
            action = attributes.value(QLatin1String("name")).toString();
        } else if (xml.name() == QLatin1String("addaction") && inMenu) {
            menus.back().second.push_back(attributes.value(QLatin1String("name")).toString());
        } else if (xml.name() == QLatin1String("property")) {
            const QString property = attributes.value(QLatin1String("name")).toString();
            if (xml.readNextStartElement() && xml.name() == QLatin1String("string")) {
                const QString text = xml.readElementText();
                if (property == QLatin1String("title") && inMenu)
                    menus.back().first.title = text;
                else if (property == QLatin1String("text") && !action.isEmpty())
                    actionTexts[action] = text;
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    std::vector<MenuTexts> result;
    for (auto& [menu, actions] : menus) {
        for (const QString& name : actions)
            if (actionTexts.count(name))
                menu.entries.push_back(actionTexts[name]);
        result.push_back(menu);
    }
    return result;
}

struct TranslationFixture : ::testing::Test {
    QTranslator translator;
    void SetUp() override { ASSERT_TRUE(translator.load(QStringLiteral(SKAT_BINARY_DIR "/skat/windows/Skat.en.qm"))); }
    QString english(const char* context, const QString& source, const QString& comment = {}) const
    {
        const QByteArray s = source.toUtf8(), c = comment.toUtf8();
        return translator.translate(context, s.constData(), comment.isEmpty() ? nullptr : c.constData());
    }
};

TEST_F(TranslationFixture, EveryFormTextHasItsEnglishText)
{
    const QDir forms(QStringLiteral(SKAT_SOURCE_DIR "/skat/windows"));
    const QStringList files = forms.entryList({QStringLiteral("*.ui")}, QDir::Files);
    EXPECT_GE(files.size(), 34);
    int checked = 0;
    for (const QString& name : files) {
        for (const FormText& text : textsOfForm(forms.filePath(name))) {
            const QByteArray context = text.form.toUtf8();
            EXPECT_FALSE(english(context.constData(), text.source, text.comment).isEmpty())
                << name.toStdString() << ": \"" << text.source.toStdString() << "\" has no English text";
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

TEST_F(TranslationFixture, SpotChecksReadEnglish)
{
    struct Case {
        const char* context;
        const char* source;
        const char* expected;
    };
    const Case cases[] = {
        {"F_fenster_skat_menu", "&Spiel", "&Game"},
        {"F_fenster_skat_menu", "&Zug zurücknehmen", "&Undo move"},
        {"F_extras", "Internationale Skatordnung", "International Skat rules"},
        {"Skat", "SKAT kann deshalb nicht starten.", "SKAT therefore cannot start."},
        {"WIN_COMMUNICATION", "Die Nachricht kann nicht verschickt werden, weil kein E-Mail-Programm konfiguriert ist.",
         "The message cannot be sent because no e-mail program is set up."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(english(c.context, QString::fromUtf8(c.source)).toStdString(), c.expected) << c.source;
}

// A letter that marks two entries of one menu only moves between them: the
// keys that should choose an entry (Alt+S, E to quit) would choose none.
TEST_F(TranslationFixture, EveryMenuMarksEachLetterOnce)
{
    const std::vector<MenuTexts> menus =
        menusOf(QStringLiteral(SKAT_SOURCE_DIR "/skat/windows/F_fenster_skat_menu.ui"));
    ASSERT_GE(menus.size(), 5u);
    for (const MenuTexts& menu : menus) {
        EXPECT_GE(menu.entries.size(), 1u) << menu.title.toStdString();
        for (const bool inEnglish : {false, true}) {
            std::map<QChar, QString> marked;
            for (const QString& entry : menu.entries) {
                const QString text = inEnglish ? english("F_fenster_skat_menu", entry) : entry;
                const QChar letter = mnemonicOf(text);
                if (letter.isNull())
                    continue;
                const auto [first, isNew] = marked.emplace(letter, text);
                EXPECT_TRUE(isNew) << menu.title.toStdString() << ": \"" << text.toStdString() << "\" and \""
                                   << first->second.toStdString() << "\" mark the same letter";
            }
        }
    }
}

} // namespace
