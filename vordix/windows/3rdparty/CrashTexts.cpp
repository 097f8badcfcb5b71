#include "vordix/windows/3rdparty/CrashTexts.h"

#include "vordix/windows/WinPreference.h"

#include <cstring>
#include <optional>

namespace crash {
namespace {

struct Entry {
    const char* german;
    const char* english;
};

constexpr Entry ENGLISH[] = {
    {"Absturz Log", "Crash log"},
    {"Absturz Dump", "Crash dump"},
    {"Aktuelles Spiel", "Current game"},
    {"Spielliste", "Score sheet"},
    {"Einstellungen", "Settings"},
    {"Wir haben einen Fehler-Report erstellt, den Sie uns zusenden können. Wir werden diesen Report vertraulich und "
     "anonym behandeln.",
     "We have created an error report that you can send to us. We will treat this report as confidential and "
     "anonymous."},
    {"Damit wir die Ursache des Fehlers verstehen und die Software verbessern können, beschreiben Sie bitte "
     "zusätzlich was Sie taten, bevor der Fehler aufgetreten ist (optional).",
     "To help us understand the cause of the error and improve the software, please also describe what you were "
     "doing before the error occurred (optional)."},
    {"Sie können den Inhalt des Reports <a href=\"app://details\">hier begutachten</a>.",
     "You can review the contents of the report <a href=\"app://details\">here</a>."},
    {"&Senden", "&Send"},
    {"Nicht senden", "Don't send"},
    {" hat einen Fehler festgestellt und muss beendet werden. Bitte entschuldigen Sie diese Störung.",
     " has encountered a problem and needs to close. We are sorry for the inconvenience."},
    {"Absturz Report", "Crash report"},
    {"Dateiname", "File name"},
    {"Beschreibung", "Description"},
    {"Typ", "Type"},
    {"Größe", "Size"},
    {"Name:", "Name:"},
    {"Beschreibung:", "Description:"},
    {"Zip Dateien (*.zip)", "Zip files (*.zip)"},
    {"Der Fehlerbericht konnte weder verschickt noch gespeichert werden.|Die Dateien bleiben im Ordner|%1",
     "The error report could not be sent or saved.|The files remain in the folder|%1"},
    {"Absturzbericht", "crash report"},
    {"Der Fehlerbericht wurde mit Ihrer Beschreibung gespeichert als|%1",
     "The error report was saved with your description as|%1"},
    {"Fehlerbericht.zip", "Error report.zip"},
};

std::optional<bool>& forced()
{
    static std::optional<bool> value;
    return value;
}

} // namespace

bool englishTexts()
{
    if (forced())
        return *forced();
    static const bool english = [] {
        std::wstring language;
        return readPreferenceString(L"Sprache", language) && language != L"Deutsch";
    }();
    return english;
}

void setEnglishTexts(bool english) { forced() = english; }

QString tr(const char* german)
{
    if (englishTexts())
        for (const Entry& e : ENGLISH)
            if (std::strcmp(e.german, german) == 0)
                return QString::fromUtf8(e.english);
    return QString::fromUtf8(german);
}

} // namespace crash
