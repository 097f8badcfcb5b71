#include "vordix/windows/DisplayCheck.h"

#include "vordix/MessageSink.h"
#include "vordix/windows/WinScreen.h"

#include <QCoreApplication>

namespace {
std::wstring text(const char* source) { return QCoreApplication::translate("Skat", source).toStdWString(); }
} // namespace

DisplayCheckResult evaluateDisplay(int width, int height, int depth)
{
    DisplayCheckResult result;
    std::wstring unmet;
    if (width < 800 || height < 600) {
        unmet +=
            text(QT_TRANSLATE_NOOP("Skat", "Die aktuelle Bildschirmauflösung ist geringer als 800 x 600 Pixel.\n\n"));
        result.ok = false;
    }
    if (depth < 16)
        unmet += text(QT_TRANSLATE_NOOP("Skat", "Der Bildschirm wird nicht im Echtfarbenmodus betrieben.\n"
                                                "Skat wird eine fehlerhafte Darstellung aufweisen.\n\n"));
    if (unmet.empty())
        return result;
    result.message = text(QT_TRANSLATE_NOOP("Skat", "SKAT hat festgestellt, dass folgende Voraussetzungen auf Ihrem "
                                                    "Rechner nicht erfüllt sind:\n\n"))
                     + unmet;
    if (!result.ok)
        result.message += text(QT_TRANSLATE_NOOP("Skat", "SKAT kann deshalb nicht starten."));
    return result;
}

bool checkDisplayRequirements()
{
    WIN_SCREEN screen;
    const RECTANGLE size = screen.getScreenSize();
    const DisplayCheckResult result = evaluateDisplay(size.width, size.height, screen.colourDepth());
    if (!result.message.empty()) {
        vordix::showMessage(result.ok ? vordix::MessageKind::Warning : vordix::MessageKind::Error, result.message);
    }
    return result.ok;
}
