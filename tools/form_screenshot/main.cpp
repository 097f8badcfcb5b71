// Shows one dialog form as the program builds it, with the English
// translation beside the program loaded when asked, and saves a picture of
// it. Texts the dialog's controller sets at run time come from the text
// table in the same language.
//   form_screenshot <form id> <out.png> [--english] [--program-dir <dir>]

#include "skat/windows/ControlFactories.h"
#include "skat/windows/ControlIdTable.h"
#include "vordix/windows/FormRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: form_screenshot <form id> <out.png> [--english] [--program-dir <dir>]\n");
        return 2;
    }
    const int formId = std::atoi(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool english = false;
    QString programDir;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--english")
            english = true;
        else if (arg == "--program-dir" && i + 1 < argc)
            programDir = QString::fromLocal8Bit(argv[++i]);
    }
    registerControlIds();
    registerForms();
    QApplication app(argc, argv);
    // The plain dialog host has none of the framework's slots; that is fine here.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qobject.connect=false"));
    if (programDir.isEmpty())
        programDir = QCoreApplication::applicationDirPath();
    QTranslator translator;
    if (english) {
        if (!translator.load(programDir + QStringLiteral("/Skat.en.qm"))) {
            std::fprintf(stderr, "cannot load %s/Skat.en.qm\n", qPrintable(programDir));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    const auto creator = FormRegistry::findDialogForm(formId);
    if (!creator) {
        std::fprintf(stderr, "no dialog form %d\n", formId);
        return 1;
    }
    QDialog dialog;
    std::unique_ptr<DialogControlFactory> form(creator());
    form->setup(&dialog);
    // Placeholders the dialog's controller fills at run time stay empty here.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == QLatin1String("<<dummy>>"))
            label->clear();
    dialog.show();
    QTimer::singleShot(500, &app, [&] {
        const bool saved = dialog.grab().save(out);
        std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(out));
        app.exit(saved ? 0 : 1);
    });
    const int result = app.exec();
    unregisterForms();
    return result;
}
