// The program's entry. Start-up grows with the application shell; for now it
// opens the main window of the table.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skat"));
    QLabel window(QStringLiteral("Skat"));
    window.setWindowTitle(QStringLiteral("Skat"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
