// Draws the program's interface pictures at build time.
//   picture_generator bundle <folder> <Skat.qss> <ErrorReport.qss>
//       the compiled-in pictures and style sheets, and <folder>/bundle.qrc
//   picture_generator tables <folder>      the table themes ("Grafik")
//   picture_generator interface <folder>   the other "Grafik" pictures
// Table pictures marked for it also get a "small_" copy for the small layout.

#include "../common/QuietBuildLog.h"
#include "Painting.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

using pictures::Picture;
using pictures::SmallCopy;

QImage smallCopy(const QImage& full, const Picture& picture)
{
    if (picture.small == SmallCopy::Background) {
        // The landscape design area with its side margins, at the small layout's size.
        const QImage area = full.copy(144, 128, 1152, 768);
        return area.scaled(480, 320, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const double factor = picture.smallFactor > 0 ? picture.smallFactor : pictures::SMALL_FACTOR;
    const int w = qMax(1, qRound(full.width() * factor));
    const int h = qMax(1, qRound(full.height() * factor));
    return full.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeAll(const std::vector<Picture>& list, const QDir& folder, QStringList* written)
{
    for (const Picture& picture : list) {
        const QString path = folder.filePath(picture.file);
        QDir().mkpath(QFileInfo(path).path());
        QImage image = pictures::canvas(picture.width, picture.height);
        picture.draw(image);
        if (!pictures::save(image, path)) {
            std::fprintf(stderr, "picture_generator: cannot write %s\n", qPrintable(path));
            return false;
        }
        if (written)
            written->append(picture.file);
        if (picture.small != SmallCopy::None) {
            const QFileInfo info(path);
            const QString smallPath = info.dir().filePath(QStringLiteral("small_") + info.fileName());
            if (!pictures::save(smallCopy(image, picture), smallPath)) {
                std::fprintf(stderr, "picture_generator: cannot write %s\n", qPrintable(smallPath));
                return false;
            }
        }
    }
    return true;
}

bool copyFile(const QString& from, const QString& to)
{
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        std::fprintf(stderr, "picture_generator: cannot copy %s\n", qPrintable(from));
        return false;
    }
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

// The resource list: plain files stored as they are; the main style sheet
// and the network picture are stored zlib-compressed.
bool writeQrc(const QDir& folder, const QStringList& files)
{
    QFile qrc(folder.filePath(QStringLiteral("bundle.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& file : files) {
        const bool compressed = file == QLatin1String("styles/Skat.qss") || file == QLatin1String("images/Bonjour.bmp");
        if (compressed)
            out << "  <file compression-algorithm=\"zlib\" compress=\"9\" threshold=\"0\">" << file << "</file>\n";
        else
            out << "  <file compression-algorithm=\"none\">" << file << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: picture_generator bundle <folder> <Skat.qss> <ErrorReport.qss>\n"
                         "       picture_generator tables|interface <folder>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tools::quietBuildLog();
    QGuiApplication app(argc, argv); // fonts need the GUI application
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString part = args[1];
    QDir folder(args[2]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    if (part == QLatin1String("bundle")) {
        if (args.size() < 5)
            return usage();
        QStringList files;
        if (!writeAll(pictures::bundlePictures(), folder, &files))
            return 1;
        if (!copyFile(args[3], folder.filePath(QStringLiteral("styles/Skat.qss"))))
            return 1;
        if (!copyFile(args[4], folder.filePath(QStringLiteral("styles/ErrorReport.qss"))))
            return 1;
        files << QStringLiteral("styles/Skat.qss") << QStringLiteral("styles/ErrorReport.qss");
        return writeQrc(folder, files) ? 0 : 1;
    }
    if (part == QLatin1String("tables"))
        return writeAll(pictures::tablePictures(), folder, nullptr) ? 0 : 1;
    if (part == QLatin1String("interface"))
        return writeAll(pictures::interfacePictures(), folder, nullptr) ? 0 : 1;
    return usage();
}
