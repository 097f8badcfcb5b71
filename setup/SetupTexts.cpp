#include "setup/SetupTexts.h"

#include "vordix/MessageSink.h"
#include "vordix/Utf8.h"

namespace setup {

std::string setupText(int id)
{
    switch (id) {
    case TEXT_VERSION_UNKNOWN:
        return "%s ist installiert, die Version kann jedoch nicht bestimmt werden.\nBitte deinstallieren Sie die "
               "Anwendung und führen Sie dann dieses Installationsprogramm erneut aus.";
    case TEXT_NEWER_INSTALLED:
        return "Die aktuellere Version %s von %s ist bereits installiert.\nDie ältere Version %s kann daher nicht "
               "installiert werden.";
    case TEXT_INSTALLER_START:
        return "Fehler beim Starten der Installation.\nBitte reparieren Sie die Laufzeitumgebung des Microsoft "
               "Installers.";
    case TEXT_INTERNAL_ERROR: return "Interner Fehler bei der Installation.\nCode: %s";
    case TEXT_NO_MEMORY:
        return "Das System stellt keinen Speicher bereit. Die Installtion kann daher nicht fortgesetzt werden.\n"
               "Beenden Sie bitte andere Programme und versuchen Sie es erneut.";
    case TEXT_CANNOT_CREATE_TEMP:
        return "Kann temporäre Datei nicht erstellen.\nDie Installation kann daher nicht fortgesetzt werden.";
    case TEXT_CANNOT_WRITE_TEMP:
        return "Kann temporäre Datei nicht schreiben.\nDie Installation kann daher nicht fortgesetzt werden.";
    case TEXT_TEMP_TRANSFER:
        return "Fehler beim Erzeugen einer temporären Datei.\nDie Installation kann daher nicht fortgesetzt werden.";
    case TEXT_CAPTION: return "Fehler bei der Installation";
    case TEXT_NO_MODULE_PATH: return "Kann den Pfad zur Installationsdatei nicht finden.";
    case TEXT_NO_INSTALLER:
        return "Windows Installer ist auf diesem System nicht verfügbar.\nBitte aktualisieren Sie Ihr Betriebssystem.";
    case TEXT_INSTALLER_FAILED: return "Fehler bei der Installation:\n\"%s\"\n\nDer Aufruf \"%s\" schlug fehl.";
    case TEXT_BAD_MAGIC:
        return "Das Installationspaket in dieser Datei fehlt oder ist beschädigt.\nBitte laden Sie das "
               "Installationsprogramm erneut herunter.";
    case TEXT_BAD_PACKAGE_NAME:
        return "Das Installationspaket in dieser Datei trägt einen ungültigen Namen.\nDie Installation wird "
               "abgebrochen.";
    case TEXT_TRUNCATED_PACKAGE:
        return "Das Installationspaket in dieser Datei ist unvollständig.\nBitte laden Sie das "
               "Installationsprogramm erneut herunter.";
    default: return {};
    }
}

std::string fillPlaces(const std::string& text, const std::vector<std::string>& arguments)
{
    std::string result;
    std::size_t from = 0, next = 0;
    for (std::size_t at; next < arguments.size() && (at = text.find("%s", from)) != std::string::npos; ++next) {
        result.append(text, from, at - from);
        result += arguments[next];
        from = at + 2;
    }
    result.append(text, from, std::string::npos);
    return result;
}

ExceptionFatalError::ExceptionFatalError(std::string message, std::string caption, bool show)
    : message_(std::move(message))
    , caption_(std::move(caption))
    , show_(show)
{
}

ExceptionFatalError ExceptionFatalError::fromText(int id, const std::vector<std::string>& arguments, bool show)
{
    return ExceptionFatalError(fillPlaces(setupText(id), arguments), setupText(TEXT_CAPTION), show);
}

void ExceptionFatalError::show() const
{
    if (!show_)
        return;
    // The sink separates lines with '|'.
    std::string text = message_;
    for (char& c : text)
        if (c == '\n')
            c = '|';
    vordix::messageSink().show(vordix::MessageKind::Error, vordix::fromUtf8(caption_), vordix::fromUtf8(text),
                               vordix::MessageButtons::Ok);
}

} // namespace setup
