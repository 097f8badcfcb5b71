// The English translation: every text of every form and every translatable
// framework text has an English text in the compiled translation.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

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

} // namespace
