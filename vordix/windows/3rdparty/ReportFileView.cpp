#include "vordix/windows/3rdparty/ReportFileView.h"

#include <QFile>
#include <QFileInfo>

namespace crash {

QString sizeText(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("?");
    const qint64 size = info.size();
    if (size < 1024)
        return QString::number(size) + QStringLiteral(" Byte");
    return QString::number(size / 1000) + QStringLiteral(" KB");
}

bool looksBinary(const QByteArray& data)
{
    const int n = static_cast<int>(std::min<qsizetype>(data.size(), 10000));
    int others = 0;
    for (int i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if ((c >= 32 && c <= 126) || (c >= 9 && c <= 13))
            continue;
        // A whole UTF-8 sequence is text on this platform.
        const int length = c >= 0xc2 && c < 0xe0 ? 2 : c >= 0xe0 && c < 0xf0 ? 3 : c >= 0xf0 && c < 0xf5 ? 4 : 0;
        bool sequence = length > 0 && i + length <= n;
        for (int k = 1; sequence && k < length; ++k)
            sequence = (static_cast<unsigned char>(data[i + k]) & 0xc0) == 0x80;
        if (sequence) {
            i += length - 1;
            continue;
        }
        if (++others > 4)
            return true;
    }
    return false;
}

QString hexDump(const QByteArray& data)
{
    QString out;
    for (qsizetype line = 0; line < data.size(); line += 16) {
        unsigned char bytes[16] = {};
        for (int i = 0; i < 16 && line + i < data.size(); ++i)
            bytes[i] = static_cast<unsigned char>(data[line + i]);
        out += QStringLiteral("0x")
               + QStringLiteral("%1").arg(static_cast<qulonglong>(line), 8, 16, QLatin1Char('0')).toUpper()
               + QStringLiteral(": ");
        for (int w = 0; w < 4; ++w) {
            const quint32 word = bytes[w * 4] | (bytes[w * 4 + 1] << 8) | (bytes[w * 4 + 2] << 16)
                                 | (static_cast<quint32>(bytes[w * 4 + 3]) << 24);
            out += QStringLiteral("%1 ").arg(word, 8, 16, QLatin1Char('0')).toUpper();
        }
        for (unsigned char c : bytes)
            out += c >= 32 && c <= 126 ? QChar(c) : QChar('.');
        out += QStringLiteral("\r\n");
    }
    return out;
}

QByteArray fileStart(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(32768);
}

} // namespace crash
