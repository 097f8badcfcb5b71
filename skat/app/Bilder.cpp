#include "skat/app/Bilder.h"

#include "skat/app/SkatFolders.h"
#include "skat/app/SkatPaths.h"
#include "skat/app/SkatText.h"
#include "skat/app/UserPrefs.h"
#include "vordix/Fenster.h"
#include "vordix/MessageSink.h"
#include "vordix/WinFilePath.h"

#include <filesystem>

namespace {

BILDER*& singleton()
{
    static BILDER* images = nullptr;
    return images;
}

const SKAT_PATHS& names()
{
    static const SKAT_PATHS paths;
    return paths;
}

// File stems of the faces by face index, of the suit pictures and of the
// rank pictures in their column order.
const wchar_t* const kFaceStems[32] = {L"K7",  L"K8", L"K9", L"KB",  L"KD", L"KK", L"K10", L"KA", L"P7",  L"P8", L"P9",
                                       L"PB",  L"PD", L"PK", L"P10", L"PA", L"H7", L"H8",  L"H9", L"HB",  L"HD", L"HK",
                                       L"H10", L"HA", L"C7", L"C8",  L"C9", L"CB", L"CD",  L"CK", L"C10", L"CA"};
const wchar_t* const kSuitStems[4] = {L"Kreuz", L"Pik", L"Herz", L"Caro"};
const wchar_t* const kRankStems[8] = {L"B", L"A", L"10", L"K", L"D", L"9", L"8", L"7"};

// The critical message about a card-set file, formatted into at most 255
// characters.
std::wstring fileBrokenText(const std::wstring& file)
{
    std::wstring text = skat::formatText(TextKey::Alert_Datei_xxx_nicht_gefunden_oder_fehlerhaft, {file});
    if (text.size() > 255)
        text.resize(255);
    return text;
}

VORDIX_FOLDER graphicsFolder() { return skat::resourceFolder({names().folderGraphics}); }

VORDIX_FOLDER setFolder(const KARTENSET_BESCHREIBUNG& set)
{
    return skat::resourceFolder({names().folderCardSets, set.folder});
}

bool loadInto(VORDIX_BITMAP& bitmap, const VORDIX_FOLDER& folder, const std::wstring& name)
{
    return bitmap.load(VORDIX_FILE(folder, name));
}

} // namespace

BILDER& BILDER::instance()
{
    if (!singleton())
        singleton() = new BILDER;
    return *singleton();
}

void BILDER::destroyInstance()
{
    delete singleton();
    singleton() = nullptr;
}

BILDER::~BILDER() { unloadAll(); }

void BILDER::initialize()
{
    loadAssistantImages();
    cardSets.file = skat::resourceFile({names().folderCardSets}, names().fileCardSetIndex);
    if (cardSets.load() != DOCUMENT_OK) {
        cardSets.sets.clear();
        vordix::showMessage(vordix::MessageKind::Information,
                            skat::text(TextKey::Alert_Datei_Kartensetbeschreibung_existiert_nicht));
        return;
    }
    const int wanted = findCardSet(USER_PREFS::instance().cardSetName());
    if (selectCardSet(wanted))
        return;
    vordix::showMessage(vordix::MessageKind::Information, skat::text(TextKey::Alert_Datei_Kartenset_existiert_nicht));
    // Play on with the first set that can be shown.
    for (int i = 0; i < cardSetCount(); ++i)
        if (i != wanted && selectCardSet(i))
            return;
}

int BILDER::findCardSet(const std::wstring& name) const
{
    const std::wstring wanted = name.substr(0, 4);
    for (size_t i = 0; i < cardSets.sets.size(); ++i)
        if (cardSets.sets[i].name.substr(0, 4) == wanted)
            return static_cast<int>(i);
    return 0;
}

std::wstring BILDER::cardSetTitle(int index) const
{
    if (index < 0 || index >= cardSetCount())
        return {};
    return cardSets.sets[index].displayName;
}

bool BILDER::loadThumbnail(int index, VORDIX_BITMAP& into) const
{
    if (index < 0 || index >= cardSetCount())
        return false;
    const KARTENSET_BESCHREIBUNG& set = cardSets.sets[index];
    return !set.thumbnailFile.empty() && loadInto(into, setFolder(set), set.thumbnailFile);
}

bool BILDER::selectCardSet(int index)
{
    if (index < 0 || index >= cardSetCount())
        return false;
    if (index == currentSet)
        return true;
    const KARTENSET_BESCHREIBUNG& set = cardSets.sets[index];
    std::wstring failedFile;
    if (!checkSet(set, failedFile)) {
        // The previous set stays as it was.
        vordix::showMessage(vordix::MessageKind::Error, fileBrokenText(failedFile));
        return false;
    }
    {
        std::lock_guard lock(lock_);
        unloadSetImages();
        loadSetImages(set);
        currentSet = index;
        cardWidth = set.cardWidth;
        cardHeight = set.cardHeight;
        faceFailureReported_ = false;
    }
    USER_PREFS::instance().setCardSetName(set.name);
    VORDIX_FENSTER::updateAllWindows();
    if (onReloadCardImages)
        onReloadCardImages();
    return true;
}

bool BILDER::checkSet(const KARTENSET_BESCHREIBUNG& set, std::wstring& failedFile) const
{
    const std::wstring faceExt = skat::patternExtension(set.cardPattern);
    const std::wstring suitExt = skat::patternExtension(set.suitPattern);
    const std::wstring rankExt = skat::patternExtension(set.rankPattern);
    if (faceExt.empty() || suitExt.empty() || rankExt.empty()) {
        failedFile = names().fileCardSetIndex;
        return false;
    }
    const VORDIX_FOLDER folder = setFolder(set);
    for (const wchar_t* stem : kFaceStems) {
        const std::wstring name = stem + (L"." + faceExt);
        if (!std::filesystem::is_regular_file(WIN_FILEPATH::toFsPath(folder.path() + name))) {
            failedFile = name;
            return false;
        }
    }
    std::vector<std::wstring> pictures;
    for (const wchar_t* stem : kSuitStems)
        pictures.push_back(stem + (L"." + suitExt));
    for (const wchar_t* stem : kRankStems)
        pictures.push_back(stem + (L"." + rankExt));
    pictures.push_back(set.maskFile);
    pictures.push_back(set.backFile);
    for (const std::wstring& name : pictures) {
        VORDIX_BITMAP probe;
        if (name.empty() || !loadInto(probe, folder, name)) {
            failedFile = name;
            return false;
        }
    }
    return true;
}

void BILDER::loadSetImages(const KARTENSET_BESCHREIBUNG& set)
{
    const VORDIX_FOLDER folder = setFolder(set);
    const std::wstring suitExt = L"." + skat::patternExtension(set.suitPattern);
    const std::wstring rankExt = L"." + skat::patternExtension(set.rankPattern);
    for (int s = 0; s < 4; ++s)
        loadInto(suits[s], folder, kSuitStems[s] + suitExt);
    for (int r = 0; r < 8; ++r)
        for (int row = 0; row < 4; ++row)
            loadInto(ranks[row][r], folder, kRankStems[r] + rankExt);
    loadInto(mask, folder, set.maskFile);
    loadInto(back, folder, set.backFile);
}

void BILDER::unloadSetImages()
{
    for (auto& face : faces_)
        face.unload();
    for (auto& suit : suits)
        suit.unload();
    for (auto& row : ranks)
        for (auto& rank : row)
            rank.unload();
}

int BILDER::faceIndex(CardId card)
{
    if (!isRealCard(card))
        return -1;
    const int index = rankOfCardId(card) + 8 * suitOfCardId(card) - 9;
    return index >= 0 && index < 32 ? index : -1;
}

std::wstring BILDER::faceFile(CardId card, const std::wstring& cardPattern)
{
    const int index = faceIndex(card);
    const std::wstring extension = skat::patternExtension(cardPattern);
    if (index < 0 || extension.empty())
        return {};
    return kFaceStems[index] + (L"." + extension);
}

VORDIX_BITMAP& BILDER::cardFace(CardId card)
{
    const int index = faceIndex(card);
    if (index < 0)
        return faces_[0];
    loadFace(index);
    return faces_[index];
}

void BILDER::drawCard(CardId card, VORDIX_ZEICHENBEREICH& area, int x, int y, int width, int height, float angle)
{
    const int index = faceIndex(card);
    if (index < 0)
        return;
    loadFace(index);
    faces_[index].drawRotated(area, x, y, width, height, angle);
}

void BILDER::loadFace(int index)
{
    std::wstring failedFile;
    {
        std::lock_guard lock(lock_);
        if (faces_[index].isLoaded() || currentSet < 0)
            return;
        const KARTENSET_BESCHREIBUNG& set = cardSets.sets[currentSet];
        const std::wstring extension = skat::patternExtension(set.cardPattern);
        if (extension.empty()) {
            failedFile = names().fileCardSetIndex;
        } else {
            const std::wstring name = kFaceStems[index] + (L"." + extension);
            if (!loadInto(faces_[index], setFolder(set), name))
                failedFile = name;
        }
        // One message per set: a face that cannot be read would otherwise be
        // reported at every paint.
        if (failedFile.empty() || faceFailureReported_)
            return;
        faceFailureReported_ = true;
    }
    vordix::showMessage(vordix::MessageKind::Error, fileBrokenText(failedFile));
}

std::wstring BILDER::uiImageFile(int index)
{
    const SKAT_PATHS& n = names();
    // clang-format off
    const std::wstring* const files[UI_IMAGES] = {
        nullptr, &n.imgInfo, &n.imgPrefs, &n.imgEnterFullscreen, &n.imgLeaveFullscreen, &n.imgButton,
        &n.imgButtonDown, &n.imgButtonInactive, &n.imgHelpiconNormal, &n.imgHelpiconSelected, &n.imgUndoNormal,
        &n.imgUndoSelect, &n.imgRedoNormal, &n.imgRedoSelect, &n.imgHelp, &n.imgInfoExtensionLeft,
        &n.imgInfoExtensionMiddle, &n.imgInfoExtensionRight, &n.imgInfoSelected, &n.imgPrefsSelected,
        &n.imgHelpSelected, &n.imgTutor, &n.imgTutorSelected, &n.imgFastForward, &n.imgFastForwardSelected};
    // clang-format on
    if (index < 1 || index >= UI_IMAGES)
        return {};
    return *files[index];
}

std::wstring BILDER::tableImageFile(int index, int theme, bool fullSize)
{
    const SKAT_PATHS& n = names();
    const bool themed = index >= 1 && index <= 6;
    if (themed && (theme < 1 || theme > 4))
        return {};
    const int t = theme - 1;
    std::wstring file;
    bool small = true;
    switch (index) {
    case 1:
        file = *std::array{&n.imgBergeTischFPCenter, &n.imgInselTischFPCenter, &n.imgKneipeTischFPCenter,
                           &n.imgMonoTischFPCenter}[t];
        break;
    case 2:
        if (theme == 4)
            return {};
        file = *std::array{&n.imgBergeTischLeer, &n.imgInselTischLeer, &n.imgKneipeTischLeer}[t];
        break;
    case 3:
        if (theme == 4)
            return {};
        file = *std::array{&n.imgBergeTischVG, &n.imgInselTischVG, &n.imgKneipeTischVG}[t];
        break;
    case 4:
        if (theme == 4)
            return {};
        file = *std::array{&n.imgBergeAugenLeft, &n.imgInselAugenLeft, &n.imgKneipeAugenLeft}[t];
        break;
    case 5:
        if (theme == 4)
            return {};
        file = *std::array{&n.imgBergeAugenRight, &n.imgInselAugenRight, &n.imgKneipeAugenRight}[t];
        break;
    case 6: // the plain theme takes the island's deal-editor background
        file = *std::array{&n.imgBergeFPKartenblatt, &n.imgInselFPKartenblatt, &n.imgKneipeFPKartenblatt,
                           &n.imgInselFPKartenblatt}[t];
        small = false;
        break;
    case 7: file = n.imgSkat; break;
    case 8: file = n.imgStapelLeftSegment; break;
    case 9: file = n.imgStapelMiddleSegment; break;
    case 10: file = n.imgStapelRightSegment; break;
    case 11: file = n.imgStapelLeftTop; break;
    case 12: file = n.imgStapelMiddleTop; break;
    case 13: file = n.imgStapelRightTop; break;
    case 14:
        file = n.imgListeTopDe;
        small = false;
        break; // the German sheet in both languages
    case 15:
        file = n.imgListeSegment;
        small = false;
        break;
    case 16:
        file = n.imgListeBottomDe;
        small = false;
        break;
    case 17:
        file = n.imgKartenschatten;
        small = false;
        break;
    case 18:
        file = n.imgSticheschatten;
        small = false;
        break;
    default: return {};
    }
    return small && !fullSize ? L"small_" + file : file;
}

VORDIX_BITMAP& BILDER::uiImage(int index)
{
    if (index < 1 || index >= UI_IMAGES)
        return uiImages_[0];
    VORDIX_BITMAP& image = uiImages_[index];
    if (!image.isLoaded())
        loadInto(image, graphicsFolder(), uiImageFile(index));
    return image;
}

VORDIX_BITMAP& BILDER::tableImage(int index)
{
    if (index < 0 || index >= TABLE_IMAGES)
        return tableImages_[0];
    VORDIX_BITMAP& image = tableImages_[index];
    if (image.isLoaded())
        return image;
    const std::wstring file = tableImageFile(index, USER_PREFS::instance().tableTheme, fullSize_);
    if (!file.empty())
        loadInto(image, graphicsFolder(), file);
    return image;
}

VORDIX_BITMAP& BILDER::tableImageByKind(int kind) { return tableImage(kind == 0 ? 5 : kind == 2 ? 4 : 1); }

void BILDER::setFullSizeImages(bool fullSize)
{
    fullSize_ = fullSize;
    USER_PREFS::instance().applyThemeColours();
    loadAssistantImages();
}

void BILDER::loadAssistantImages()
{
    const int theme = USER_PREFS::instance().tableTheme;
    if (assistantLoaded_ && theme == assistantTheme_ && fullSize_ == assistantFullSize_)
        return;
    assistantLoaded_ = true;
    assistantTheme_ = theme;
    assistantFullSize_ = fullSize_;
    for (auto& image : tableImages_)
        image.unload();
    for (auto& image : uiImages_)
        image.unload();
    mouse.unload();
    assistant.unload();
    emptyAssistant.unload();
    const VORDIX_FOLDER folder = graphicsFolder();
    loadInto(assistant, folder, names().imgWizzard);
    loadInto(emptyAssistant, folder, names().imgWizzardLeer);
    loadInto(mouse, folder, names().imgMaus);
    if (onCardSetChanged)
        onCardSetChanged();
}

void BILDER::unloadAll()
{
    mouse.unload();
    assistant.unload();
    emptyAssistant.unload();
    for (auto& image : tableImages_)
        image.unload();
    for (auto& image : uiImages_)
        image.unload();
    std::lock_guard lock(lock_);
    unloadSetImages();
}
