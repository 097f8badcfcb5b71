#include "vordix/windows/WinPreference.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <functional>
#include <memory>

namespace {

QString toQ(const std::wstring& text) { return QString::fromStdWString(text); }

// Backslash-separated registry paths become '/'-separated settings groups.
QString groupOf(const std::wstring& keyPath)
{
    QString group = toQ(keyPath);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/')))
        group.chop(1);
    return group;
}

// Whether the INI text holds lines that are neither blank, comment, section
// header nor "key=value": such lines would be lost when the file is written
// back. (QSettings reports this only for the object that parsed the file,
// not for later ones served from its cache.)
bool hasUnreadableLines(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = in.readAll();
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') ? !line.endsWith(']') : !line.contains('='))
            return true;
    }
    return false;
}

// Opens the settings file for a change. Writing back a file that could not be
// parsed would drop its unreadable lines, so a copy of it is kept first
// ("SKAT.ini.unlesbar", numbered when taken); without that copy nothing is
// written.
std::unique_ptr<QSettings> openForWriting()
{
    const QString file = WIN_PREFERENCE::settingsFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings->status() != QSettings::FormatError && !hasUnreadableLines(file))
        return settings;
    for (int n = 0; n < 1000; ++n) {
        const QString aside = file + QStringLiteral(".unlesbar") + (n ? QString::number(n) : QString());
        if (QFileInfo::exists(aside))
            continue;
        return QFile::copy(file, aside) ? std::move(settings) : nullptr;
    }
    return nullptr;
}

bool applyAndSync(const std::function<void(QSettings&)>& change)
{
    auto settings = openForWriting();
    if (!settings)
        return false;
    change(*settings);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace

WIN_PREFERENCE::WIN_PREFERENCE() : keyPath_(VORDIX_PREFERENCE::root()) { }

WIN_PREFERENCE::WIN_PREFERENCE(std::wstring keyPath) : keyPath_(std::move(keyPath)) { }

WIN_PREFERENCE::~WIN_PREFERENCE() = default;

QString WIN_PREFERENCE::settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quorvenel/SKAT.ini");
}

QString WIN_PREFERENCE::valueKey(const std::wstring& name) const
{
    QString group = groupOf(keyPath_);
    return group.isEmpty() ? toQ(name) : group + QLatin1Char('/') + toQ(name);
}

bool WIN_PREFERENCE::setValue(int id, const std::wstring& text)
{
    return writeString(VORDIX_PREFERENCE::valueName(id), text);
}

bool WIN_PREFERENCE::getValue(int id, std::wstring& text)
{
    text.clear();
    return readString(VORDIX_PREFERENCE::valueName(id), text);
}

bool WIN_PREFERENCE::readString(const std::wstring& name, std::wstring& text) const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    const QVariant value = settings.value(valueKey(name));
    if (!value.isValid())
        return false;
    // A hand-edited "a, b" reads back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        text = value.toStringList().join(QStringLiteral(", ")).toStdWString();
    else if (value.canConvert<QString>())
        text = value.toString().toStdWString();
    else
        return false;
    return true;
}

bool WIN_PREFERENCE::writeString(const std::wstring& name, const std::wstring& text)
{
    return applyAndSync([&](QSettings& settings) { settings.setValue(valueKey(name), toQ(text)); });
}

std::optional<int64_t> WIN_PREFERENCE::readNumber(const std::wstring& name) const
{
    std::wstring text;
    if (!readString(name, text))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = toQ(text).trimmed().toLongLong(&ok);
    return ok ? std::optional<int64_t>(value) : std::nullopt;
}

bool WIN_PREFERENCE::writeNumber(const std::wstring& name, int64_t value)
{
    return writeString(name, std::to_wstring(value));
}

bool WIN_PREFERENCE::removeValue(const std::wstring& name)
{
    return applyAndSync([&](QSettings& settings) { settings.remove(valueKey(name)); });
}

std::vector<std::wstring> WIN_PREFERENCE::valueNames() const
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath_));
    std::vector<std::wstring> names;
    for (const QString& key : settings.childKeys())
        names.push_back(key.toStdWString());
    return names;
}

bool readPreferenceString(const std::wstring& name, std::wstring& text)
{
    return WIN_PREFERENCE().readString(name, text);
}

bool writePreferenceString(const std::wstring& name, const std::wstring& text)
{
    return WIN_PREFERENCE().writeString(name, text);
}
