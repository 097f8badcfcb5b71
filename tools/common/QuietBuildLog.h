#pragma once
// The generators run headless during the build: their logs show real
// problems only, not the offscreen platform's note about a missing runtime
// folder.

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace tools {

inline void quietBuildLog()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && !message.startsWith(QLatin1String("QStandardPaths:")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

} // namespace tools
