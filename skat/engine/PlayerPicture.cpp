// The picture shown beside a player's seat.

#include "skat/engine/Player.h"

#include "skat/engine/SheetServices.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/ImplementorFactory.h"

#include <fstream>
#include <iterator>
#include <system_error>

bool PLAYER::pictureFile(VORDIX_FILE& file, bool createFolders) const
{
    if (id_ < 0 || id_ > 2)
        return false;
    VORDIX_FOLDER folder;
    folder.setStandardFolder(FOLDER_APPDATA);
    const std::wstring program = sheetServices()->programFolderName();
    if (createFolders) {
        if (!folder.createSubfolder(program) || !folder.createSubfolder(L"Grafik"))
            return false;
    } else {
        folder.changeFolder(program);
        folder.changeFolder(L"Grafik");
    }
    file = VORDIX_FILE(folder, L"Face" + std::to_wstring(id_) + L".png");
    return !folder.path().empty();
}

void PLAYER::loadPicture()
{
    picture_.reset();
    pictureData_.clear();
    VORDIX_FILE file;
    if (!VORDIX_IMPLEMENTORFACTORY::instance() || !pictureFile(file, false) || !file.isReadable())
        return;
    std::ifstream in(file.fsPath(), std::ios::binary);
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto bitmap = std::make_unique<VORDIX_BITMAP>();
    if (data.empty() || !bitmap->loadFromData(data.data(), data.size()) || !bitmap->isLoaded())
        return;
    picture_ = std::move(bitmap);
    pictureData_ = std::move(data);
}

bool PLAYER::savePicture()
{
    VORDIX_FILE file;
    return picture_ && picture_->isLoaded() && pictureFile(file, true) && picture_->save(file);
}

void PLAYER::deletePicture()
{
    VORDIX_FILE file;
    if (pictureFile(file, false)) {
        std::error_code ignored;
        std::filesystem::remove(file.fsPath(), ignored);
    }
}

void PLAYER::setPicture(std::unique_ptr<VORDIX_BITMAP> picture)
{
    picture_.reset();
    pictureData_.clear();
    if (picture && picture->isLoaded())
        picture_ = std::move(picture);
}
