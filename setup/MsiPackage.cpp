#include "setup/MsiPackage.h"

#include <libmsi.h>

#include <cctype>
#include <memory>

namespace setup {

bool parseVersion(const std::string& text, MsiVersion& version)
{
    version = MsiVersion{};
    version.text = text;
    std::size_t at = 0;
    for (int part = 0; part < 4 && at < text.size(); ++part) {
        if (part > 0) {
            if (text[at] != '.')
                return false;
            ++at;
        }
        long value = 0;
        const std::size_t start = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            value = value * 10 + (text[at] - '0');
            if (value > 65535) {
                for (int rest = part; rest < 4; ++rest)
                    version.parts[rest] = 0;
                return false;
            }
            ++at;
        }
        if (at == start)
            return false;
        version.parts[part] = static_cast<int>(value);
    }
    return at == text.size();
}

bool versionLess(const MsiVersion& a, const MsiVersion& b)
{
    for (int i = 0; i < 4; ++i)
        if (a.parts[i] != b.parts[i])
            return a.parts[i] < b.parts[i];
    return false;
}

bool versionEqual(const MsiVersion& a, const MsiVersion& b) { return a.parts == b.parts; }

bool sameProductCode(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool readMsiPackageInfo(const std::filesystem::path& package, MsiPackageInfo& info)
{
    info = MsiPackageInfo{};
    struct Unref {
        void operator()(void* object) const { g_object_unref(object); }
    };
    GError* error = nullptr;
    std::unique_ptr<LibmsiDatabase, Unref> database(
        libmsi_database_new(package.c_str(), LIBMSI_DB_FLAGS_READONLY, nullptr, &error));
    if (!database) {
        g_clear_error(&error);
        return false;
    }
    std::unique_ptr<LibmsiQuery, Unref> query(libmsi_query_new(database.get(), "SELECT * FROM `Property`", &error));
    if (!query || !libmsi_query_execute(query.get(), nullptr, &error)) {
        g_clear_error(&error);
        return false;
    }
    while (LibmsiRecord* raw = libmsi_query_fetch(query.get(), nullptr)) {
        std::unique_ptr<LibmsiRecord, Unref> record(raw);
        gchar* name = libmsi_record_get_string(record.get(), 1);
        gchar* value = libmsi_record_get_string(record.get(), 2);
        const std::string key = name ? name : "";
        const std::string text = value ? value : "";
        g_free(name);
        g_free(value);
        if (key == "ProductCode")
            info.productCode = text;
        else if (key == "ProductLanguage")
            info.productLanguage = text;
        else if (key == "ProductName")
            info.productName = text;
        else if (key == "ProductVersion")
            parseVersion(text, info.version);
    }
    libmsi_query_close(query.get(), nullptr);
    return true;
}

} // namespace setup
