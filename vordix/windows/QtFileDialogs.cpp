#include "vordix/windows/QtFileDialogs.h"

#include "vordix/Dialog.h"
#include "vordix/Fenster.h"
#include "vordix/File.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/WinApplication.h"

#include <QFileDialog>
#include <QWidget>

namespace {
bool programIsEnglish()
{
    const WIN_APPLICATION* app = WIN_APPLICATION::existing();
    return app && app->isEnglish();
}
} // namespace

bool showQtFileDialog(QWidget* parent, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save)
{
    const QString filter = QString::fromStdWString(vordix::fileDialogFilter(fileKind, programIsEnglish()));
    // A save proposes the file's name in its folder.
    const QString start = QString::fromStdWString(file.folder.path() + (save ? file.name : std::wstring()));
    QString chosen;
    runOnGuiThread([&] {
        const QString title = QString::fromStdWString(caption);
        chosen = save ? QFileDialog::getSaveFileName(parent, title, start, filter)
                      : QFileDialog::getOpenFileName(parent, title, start, filter);
    });
    return vordix::assignChosenPath(file, chosen.toStdWString());
}

vordix::FileDialogHandler qtFileDialogHandler()
{
    return [](VORDIX_FENSTER* owner, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save) {
        QWidget* parent = owner && owner->implementor() ? dynamic_cast<QWidget*>(owner->implementor().get()) : nullptr;
        return showQtFileDialog(parent, fileKind, file, caption, save);
    };
}

bool showFileDialogForDialog(VORDIX_DIALOG_imp* dialog, VORDIX_FILE& file, const std::wstring& caption)
{
    return showQtFileDialog(dynamic_cast<QWidget*>(dialog), vordix::FILE_KIND_IMAGES, file, caption, false);
}
