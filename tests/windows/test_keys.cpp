#include "vordix/windows/KeyMapping.h"

#include <QString>
#include <gtest/gtest.h>

#include <optional>

using namespace vordix::keys;

namespace {

struct KeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    std::optional<int> press;
    std::optional<int> release;
};

const std::optional<int> none;

const KeyCase kKeyCases[] = {
    {"Up", Qt::Key_Up, {}, u"", 200, 38},
    {"Down", Qt::Key_Down, {}, u"", 201, 40},
    {"Left", Qt::Key_Left, {}, u"", 202, 37},
    {"Right", Qt::Key_Right, {}, u"", 203, 39},
    {"Page Up", Qt::Key_PageUp, {}, u"", 204, 33},
    {"Page Down", Qt::Key_PageDown, {}, u"", 205, 34},
    {"Home", Qt::Key_Home, {}, u"", 206, 36},
    {"End", Qt::Key_End, {}, u"", 207, 35},
    {"Insert", Qt::Key_Insert, {}, u"", 210, 45},
    {"Delete", Qt::Key_Delete, {}, u"", 211, 46},
    {"F1", Qt::Key_F1, {}, u"", 212, 112},
    {"F10", Qt::Key_F10, {}, u"", 221, 121},
    {"F11", Qt::Key_F11, {}, u"", none, 122},
    {"F12", Qt::Key_F12, {}, u"", none, 123},
    {"letter a", Qt::Key_A, {}, u"a", none, 65},
    {"letter Z", Qt::Key_Z, Qt::ShiftModifier, u"Z", none, 90},
    {"digit 7", Qt::Key_7, {}, u"7", none, 55},
    {"keypad 7", Qt::Key_7, Qt::KeypadModifier, u"7", none, 103},
    {"keypad plus", Qt::Key_Plus, Qt::KeypadModifier, u"+", none, 107},
    {"Enter", Qt::Key_Return, {}, u"\r", none, 13},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, u"\r", none, 13},
    {"Backspace", Qt::Key_Backspace, {}, u"\b", none, 8},
    {"Tab", Qt::Key_Tab, {}, u"\t", none, 9},
    {"Escape", Qt::Key_Escape, {}, u"\x1b", none, 27},
    {"Space", Qt::Key_Space, {}, u" ", none, none},
    {"Shift", Qt::Key_Shift, Qt::ShiftModifier, u"", none, none},
    {"Control", Qt::Key_Control, Qt::ControlModifier, u"", none, none},
    {"Alt", Qt::Key_Alt, Qt::AltModifier, u"", none, none},
    {"comma", Qt::Key_Comma, {}, u",", none, none},
    {"unknown", Qt::Key_unknown, {}, u"", none, none},
    {"ä", Qt::Key_Adiaeresis, {}, u"\u00e4", none, 128},
    {"ö", Qt::Key_Odiaeresis, {}, u"\u00f6", none, 129},
    {"ü", Qt::Key_Udiaeresis, {}, u"\u00fc", none, 130},
    {"Ä", Qt::Key_Adiaeresis, Qt::ShiftModifier, u"\u00c4", none, 131},
    {"Ö", Qt::Key_Odiaeresis, Qt::ShiftModifier, u"\u00d6", none, 132},
    {"Ü", Qt::Key_Udiaeresis, Qt::ShiftModifier, u"\u00dc", none, 133},
    {"ß", Qt::Key_ssharp, {}, u"\u00df", none, 134},
    {"Ü without text uses Shift", Qt::Key_Udiaeresis, Qt::ShiftModifier, u"", none, 133},
    {"ü without text", Qt::Key_Udiaeresis, {}, u"", none, 130},
    {"Ü with Caps Lock (text decides)", Qt::Key_Udiaeresis, {}, u"\u00dc", none, 133},
    {"á", Qt::Key_Aacute, {}, u"\u00e1", none, 160},
    {"ú", Qt::Key_Uacute, {}, u"\u00fa", none, 164},
    {"Á", Qt::Key_Aacute, Qt::ShiftModifier, u"\u00c1", none, 165},
    {"Ú", Qt::Key_Uacute, Qt::ShiftModifier, u"\u00da", none, 169},
    {"à", Qt::Key_Agrave, {}, u"\u00e0", none, 170},
    {"À", Qt::Key_Agrave, Qt::ShiftModifier, u"\u00c0", none, 175},
    {"ù", Qt::Key_Ugrave, {}, u"\u00f9", none, 174},
    {"â", Qt::Key_Acircumflex, {}, u"\u00e2", none, 180},
    {"Û", Qt::Key_Ucircumflex, Qt::ShiftModifier, u"\u00db", none, 189},
    {"ç", Qt::Key_Ccedilla, {}, u"\u00e7", none, 190},
    {"Ç", Qt::Key_Ccedilla, Qt::ShiftModifier, u"\u00c7", none, 191},
    {"å", Qt::Key_Aring, {}, u"\u00e5", none, 192},
    {"Å", Qt::Key_Aring, Qt::ShiftModifier, u"\u00c5", none, 193},
    {"ñ", Qt::Key_Ntilde, {}, u"\u00f1", none, 194},
    {"Ñ", Qt::Key_Ntilde, Qt::ShiftModifier, u"\u00d1", none, 195},
    {"ë (not in the table)", Qt::Key_Ediaeresis, {}, u"\u00eb", none, none},
    {"multiplication sign", Qt::Key_multiply, {}, u"\u00d7", none, none},
};

} // namespace

TEST(KeyMapping, PressAndReleaseCodesOfEveryKeyKind)
{
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        const int value = nativeValue(c.qtKey, c.modifiers, QString::fromUtf16(c.text));
        EXPECT_EQ(pressCode(value), c.press);
        EXPECT_EQ(releaseCode(value), c.release);
    }
}

TEST(KeyMapping, TableBoundaries)
{
    EXPECT_EQ(releaseCode(32), std::nullopt);
    EXPECT_EQ(releaseCode(33), 33);
    EXPECT_EQ(releaseCode(126), 126);
    EXPECT_EQ(releaseCode(127), std::nullopt);
    EXPECT_EQ(releaseCode(0), std::nullopt);
    EXPECT_EQ(pressCode(111), std::nullopt);
    EXPECT_EQ(pressCode(112), 212);
    EXPECT_EQ(pressCode(122), std::nullopt);
    EXPECT_EQ(pressCode(0), std::nullopt);
}
