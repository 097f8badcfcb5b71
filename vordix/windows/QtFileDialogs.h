#pragma once
// The common open and save dialogs on Qt, installed as the framework's file
// dialog handler by the program's main.

#include "vordix/FileDialog.h"

class QWidget;
class VORDIX_DIALOG_imp;

// Shows QFileDialog (GUI thread; marshalled from elsewhere) with the filter
// of the file kind in the program's language, starting in the file's
// folder. On a choice the file takes the chosen folder and name.
bool showQtFileDialog(QWidget* parent, int fileKind, VORDIX_FILE& file, const std::wstring& caption, bool save);

// The handler for vordix::setFileDialogHandler: parent is the owner
// window's platform widget when it has one.
vordix::FileDialogHandler qtFileDialogHandler();

// An image to open, from a dialog (parented by the dialog's widget).
bool showFileDialogForDialog(VORDIX_DIALOG_imp* dialog, VORDIX_FILE& file, const std::wstring& caption);
