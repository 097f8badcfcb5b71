#include "vordix/windows/KeyMapping.h"

#include <QKeyEvent>
#include <QString>

#include <array>
#include <utility>

namespace vordix::keys {
namespace {

// Windows virtual-key numbers of the keys Qt names.
constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},    {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
    {Qt::Key_Home, 36},     {Qt::Key_Left, 37},        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},     {Qt::Key_Select, 41},      {Qt::Key_Printer, 42},  {Qt::Key_Execute, 43},
    {Qt::Key_Print, 44},    {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},   {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},     {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},  {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
};

// Keypad keys (with Qt::KeypadModifier) have numbers of their own.
int keypadValue(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

// Qt names accented letters by their upper-case Latin-1 code; the lower-case
// letter lies 32 above, except ß, which has no upper case.
int latin1Letter(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (qtKey == Qt::Key_ssharp)
        return 0xDF;
    bool lower;
    if (!text.isEmpty() && text.at(0).isLetter())
        lower = text.at(0).isLower();
    else
        lower = !(modifiers & Qt::ShiftModifier);
    return lower ? qtKey + 32 : qtKey;
}

// Accented letters of the release table in code order: each string lists the
// ISO 8859-1 letters that get consecutive codes from its first code.
struct LetterRun {
    int firstCode;
    const char16_t* letters;
};
constexpr LetterRun kLetterRuns[] = {
    {128, u"\u00e4\u00f6\u00fc\u00c4\u00d6\u00dc\u00df"}, // ä ö ü Ä Ö Ü ß
    {160, u"\u00e1\u00e9\u00ed\u00f3\u00fa"},             // á é í ó ú
    {165, u"\u00c1\u00c9\u00cd\u00d3\u00da"},             // Á É Í Ó Ú
    {170, u"\u00e0\u00e8\u00ec\u00f2\u00f9"},             // à è ì ò ù
    {175, u"\u00c0\u00c8\u00cc\u00d2\u00d9"},             // À È Ì Ò Ù
    {180, u"\u00e2\u00ea\u00ee\u00f4\u00fb"},             // â ê î ô û
    {185, u"\u00c2\u00ca\u00ce\u00d4\u00db"},             // Â Ê Î Ô Û
    {190, u"\u00e7\u00c7\u00e5\u00c5\u00f1\u00d1"},       // ç Ç å Å ñ Ñ
};

} // namespace

int nativeValue(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const int value = keypadValue(qtKey))
            return value;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt and Windows agree: upper-case letters and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_Agrave && qtKey <= Qt::Key_ssharp && qtKey != Qt::Key_multiply)
        return latin1Letter(qtKey, modifiers, text);
    for (const auto& [key, value] : kNamedKeys)
        if (key == qtKey)
            return value;
    return 0; // punctuation and the rest: no virtual key of ours
}

int nativeValue(const QKeyEvent& event) { return nativeValue(event.key(), event.modifiers(), event.text()); }

std::optional<int> pressCode(int value)
{
    switch (value) {
    case 38: return KEY_UP;
    case 40: return KEY_DOWN;
    case 37: return KEY_LEFT;
    case 39: return KEY_RIGHT;
    case 33: return KEY_PAGE_UP;
    case 34: return KEY_PAGE_DOWN;
    case 36: return KEY_HOME;
    case 35: return KEY_END;
    case 45: return KEY_INSERT;
    case 46: return KEY_DELETE;
    default: break;
    }
    if (value >= 112 && value <= 121)
        return KEY_F1 + (value - 112);
    return std::nullopt;
}

std::optional<int> releaseCode(int value)
{
    if (value >= 33 && value <= 126)
        return value;
    if (value == 8 || value == 9 || value == 13 || value == 27)
        return value;
    for (const LetterRun& run : kLetterRuns) {
        int code = run.firstCode;
        for (const char16_t* letter = run.letters; *letter; ++letter, ++code)
            if (*letter == value)
                return code;
    }
    return std::nullopt;
}

} // namespace vordix::keys
