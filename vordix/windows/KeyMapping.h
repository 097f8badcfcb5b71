#pragma once
// Keyboard input in the framework's key codes. A key event is first turned
// into the key's "native value" (the Windows virtual-key number the game's
// codes were defined on; accented letters by their ISO 8859-1 code), then
// the press and release tables give the framework code. X11 keysyms
// (QKeyEvent::nativeVirtualKey) are never used: they differ per platform.

#include <Qt>

#include <optional>

class QKeyEvent;
class QString;

namespace vordix::keys {

// Framework codes of the press table.
enum PressCode {
    KEY_UP = 200,
    KEY_DOWN = 201,
    KEY_LEFT = 202,
    KEY_RIGHT = 203,
    KEY_PAGE_UP = 204,
    KEY_PAGE_DOWN = 205,
    KEY_HOME = 206,
    KEY_END = 207,
    KEY_INSERT = 210,
    KEY_DELETE = 211,
    KEY_F1 = 212,
    KEY_F10 = 221,
};

// Modifier flag of a key message released together with Alt.
constexpr int ALT_FLAG = 0x400;

// The native value of a key; 0 for keys without one. `text` decides the
// letter case of accented letters (Shift when it is empty).
int nativeValue(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
int nativeValue(const QKeyEvent& event);

// The tables: a code, or nothing for keys that give no message.
std::optional<int> pressCode(int nativeValue);
std::optional<int> releaseCode(int nativeValue);

} // namespace vordix::keys
