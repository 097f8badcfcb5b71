// Shows one help page in a QTextBrowser, the widget of the help window, and
// saves a picture of it, so the pages can be looked at without the program.
//   help_screenshot <page.html> <out.png> [width height]

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTextBrowser>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: help_screenshot <page.html> <out.png> [width height]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString page = QString::fromLocal8Bit(argv[1]);
    if (!QFileInfo::exists(page)) {
        std::fprintf(stderr, "help_screenshot: no such page: %s\n", argv[1]);
        return 1;
    }
    const int width = argc > 4 ? std::atoi(argv[3]) : 640;
    const int height = argc > 4 ? std::atoi(argv[4]) : 720;
    QTextBrowser browser;
    browser.resize(width > 0 ? width : 640, height > 0 ? height : 720);
    browser.setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    browser.show();
    QApplication::processEvents();
    if (!browser.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "help_screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
