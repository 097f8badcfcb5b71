#include "vordix/File.h"

#include "vordix/WinFilePath.h"

VORDIX_FILE::VORDIX_FILE(const VORDIX_FOLDER& folder_, std::wstring name_) : folder(folder_), name(std::move(name_)) { }

VORDIX_FILE::VORDIX_FILE(const VORDIX_FILE& other) : folder(other.folder), name(other.name) { }

VORDIX_FILE& VORDIX_FILE::operator=(const VORDIX_FILE& other)
{
    if (this != &other) {
        close();
        folder = other.folder;
        name = other.name;
    }
    return *this;
}

VORDIX_FILE::~VORDIX_FILE() { close(); }

void VORDIX_FILE::close()
{
    if (stream)
        std::fclose(stream);
    stream = nullptr;
}

std::wstring VORDIX_FILE::fullPath() const
{
    std::wstring folderPath = folder.path();
    return folderPath.empty() ? std::wstring() : folderPath + name;
}

std::filesystem::path VORDIX_FILE::fsPath() const { return std::filesystem::path(fullPath()); }

bool VORDIX_FILE::isReadable() const { return WIN_FILEPATH::isReadable(*this); }
