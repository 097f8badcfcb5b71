#include "vordix/Folder.h"

#include "vordix/ImplementorFactory.h"
#include "vordix/WinFilePath.h"

VORDIX_FOLDER_imp::~VORDIX_FOLDER_imp() = default;

namespace {

std::unique_ptr<VORDIX_FOLDER_imp> makeFolderImp()
{
    VORDIX_FOLDER_imp* imp = nullptr;
    if (auto* factory = VORDIX_IMPLEMENTORFACTORY::instance())
        imp = factory->createFolder();
    if (!imp)
        imp = new WIN_FILEPATH;
    return std::unique_ptr<VORDIX_FOLDER_imp>(imp);
}

} // namespace

VORDIX_FOLDER::VORDIX_FOLDER() : imp_(makeFolderImp()) { }

VORDIX_FOLDER::VORDIX_FOLDER(const VORDIX_FOLDER& other) : folderSet(other.folderSet), imp_(makeFolderImp())
{
    imp_->copyFrom(other);
}

VORDIX_FOLDER& VORDIX_FOLDER::operator=(const VORDIX_FOLDER& other)
{
    if (this != &other) {
        imp_->copyFrom(other);
        folderSet = other.folderSet;
    }
    return *this;
}

VORDIX_FOLDER::~VORDIX_FOLDER() = default;

void VORDIX_FOLDER::setStandardFolder(unsigned kind)
{
    imp_->setStandardFolder(kind);
    folderSet = true;
}

void VORDIX_FOLDER::changeFolder(const std::wstring& name) { imp_->changeFolder(name); }

bool VORDIX_FOLDER::createSubfolder(const std::wstring& name) { return imp_->createSubfolder(name); }

bool VORDIX_FOLDER::setPath(const std::wstring& path)
{
    auto* platform = dynamic_cast<WIN_FILEPATH*>(imp_.get());
    return platform && platform->setPath(path);
}

std::wstring VORDIX_FOLDER::path() const
{
    auto* platform = dynamic_cast<const WIN_FILEPATH*>(imp_.get());
    return platform ? platform->path() : std::wstring();
}
