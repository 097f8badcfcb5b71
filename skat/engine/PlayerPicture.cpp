// The picture shown beside a player's seat.

#include "skat/engine/Player.h"

#include "skat/engine/SheetServices.h"
#include "vordix/Bitmap.h"
#include "vordix/File.h"
#include "vordix/ImplementorFactory.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

bool pictureFileOf(int id, VORDIX_FILE& file, bool createFolders)
{
    if (id < 0 || id > 2)
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
    file = VORDIX_FILE(folder, L"Face" + std::to_wstring(id) + L".png");
    return !folder.path().empty();
}

std::string fileBytes(int id)
{
    VORDIX_FILE file;
    if (!pictureFileOf(id, file, false) || !file.isReadable())
        return {};
    std::ifstream in(file.fsPath(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

bool PLAYER::pictureFile(VORDIX_FILE& file, bool createFolders) const
{
    return pictureFileOf(id_, file, createFolders);
}

std::string PLAYER::pictureFileBytes(int id) { return fileBytes(id); }

void PLAYER::loadPicture()
{
    picture_.reset();
    pictureData_.clear();
    if (!VORDIX_IMPLEMENTORFACTORY::instance())
        return;
    const std::string data = fileBytes(id_);
    auto bitmap = std::make_unique<VORDIX_BITMAP>();
    if (data.empty() || !bitmap->loadFromData(reinterpret_cast<const unsigned char*>(data.data()), data.size())
        || !bitmap->isLoaded())
        return;
    picture_ = std::move(bitmap);
    pictureData_.assign(data.begin(), data.end());
}

void PLAYER::setPictureData(const std::string& bytes)
{
    picture_.reset();
    pictureData_.assign(bytes.begin(), bytes.end());
    if (bytes.empty() || !VORDIX_IMPLEMENTORFACTORY::instance())
        return;
    auto bitmap = std::make_unique<VORDIX_BITMAP>();
    if (bitmap->loadFromData(pictureData_.data(), pictureData_.size()) && bitmap->isLoaded())
        picture_ = std::move(bitmap);
    else
        pictureData_.clear();
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
