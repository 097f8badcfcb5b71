#pragma once
// The record that carries one platform event (mouse, key, command, close,
// resize, move, open file) to a window's or dialog's handler.

#include "vordix/File.h"

#include <cstdint>

class VORDIX_CONTROL;

enum FrameworkMessageKind : std::int32_t {
    MESSAGE_NONE = 0,
    MESSAGE_MOUSE_PRESS = 2,
    MESSAGE_MOUSE_MOVE = 3,
    MESSAGE_DOUBLE_CLICK = 4,
    MESSAGE_KEY = 5,
    MESSAGE_COMMAND = 6,
    MESSAGE_ACTIVATED = 7,
    MESSAGE_DEACTIVATED = 8,
    MESSAGE_CLOSE = 9,
    MESSAGE_FULL_SCREEN = 10,
    MESSAGE_RESIZE = 11,
    MESSAGE_MOVE = 12,
    MESSAGE_MOUSE_RELEASE = 13,
    MESSAGE_OPEN_FILE = 15
};

// Modifier bits of VORDIX_MESSAGE::modifiers.
enum FrameworkModifier : std::uint32_t {
    MODIFIER_SHIFT = 0x100,
    MODIFIER_CONTROL = 0x200,
    MODIFIER_ALT = 0x400,
    MODIFIER_META = 0x800
};

struct VORDIX_MESSAGE {
    VORDIX_MESSAGE() = default;
    explicit VORDIX_MESSAGE(FrameworkMessageKind k) : kind(k) { }

    // An open-file request: batch is false for "open", true for "batch".
    static VORDIX_MESSAGE openFile(const VORDIX_FILE& file, bool batch);
    // Turns this message into an open-file request (closing its file first).
    void makeOpenFile(const VORDIX_FILE& file, bool batch);

    // Sets the modifier bit for 256, 512, 1024 or 2048; ignores other values.
    void addModifier(std::uint32_t modifier);

    std::int32_t reserved = 0;
    FrameworkMessageKind kind = MESSAGE_NONE;
    std::int32_t x = 0; // pointer position in the window
    std::int32_t y = 0;
    std::int32_t keyCode = 0;         // MESSAGE_KEY: the framework key code
    std::int32_t commandId = 0;       // MESSAGE_COMMAND: the control id
    std::int32_t value = 0;           // MESSAGE_OPEN_FILE: 0 open, 1 batch
    VORDIX_FILE file;                 // MESSAGE_OPEN_FILE: the file to open
    VORDIX_CONTROL* source = nullptr; // the control a key came from, if any
    std::int32_t extra = 0;
    std::uint32_t modifiers = 0; // FrameworkModifier bits
};
