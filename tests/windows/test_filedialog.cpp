// The common file dialogs on Qt: filters in the program's language and the
// chosen path split into folder and name.

#include "vordix/File.h"
#include "vordix/windows/QtFileDialogs.h"
#include "vordix/windows/WinApplication.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

WIN_APPLICATION::LanguageStore english()
{
    WIN_APPLICATION::LanguageStore store;
    store.read = [] { return std::optional<std::wstring>(L"English"); };
    return store;
}

TEST(QtFileDialog, SaveStoresFourFolderLevelsAndName)
{
    WIN_APPLICATION::destroyInstance();
    WIN_APPLICATION::instance(english());
    QTemporaryDir root;
    const QString deep = root.filePath("eins/zwei/drei/vier");
    ASSERT_TRUE(QDir().mkpath(deep));

    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->selectFile(deep + "/list.skt");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    VORDIX_FILE file;
    file.folder.setPath(root.path().toStdWString());
    ASSERT_TRUE(vordix::showFileDialog(nullptr, vordix::FILE_KIND_GAME_LISTS, file, L"Speichern", true));
    EXPECT_EQ(file.folder.path(), (deep + "/").toStdWString());
    EXPECT_EQ(file.name, L"list.skt");
    EXPECT_EQ(filters, (QStringList{"Game lists (*.skt)", "All files (*.*)"}));
    WIN_APPLICATION::destroyInstance();
}

TEST(QtFileDialog, CancelLeavesTheFileAlone)
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    VORDIX_FILE file;
    file.folder.setPath(L"/tmp");
    file.name = L"alt.krt";
    EXPECT_FALSE(showQtFileDialog(nullptr, vordix::FILE_KIND_DISTRIBUTIONS, file, L"Laden", false));
    EXPECT_EQ(file.folder.path(), L"/tmp/");
    EXPECT_EQ(file.name, L"alt.krt");
}

} // namespace
