#include "vordix/Message.h"

VORDIX_MESSAGE VORDIX_MESSAGE::openFile(const VORDIX_FILE& file, bool batch)
{
    VORDIX_MESSAGE message;
    message.makeOpenFile(file, batch);
    return message;
}

void VORDIX_MESSAGE::makeOpenFile(const VORDIX_FILE& f, bool batch)
{
    kind = MESSAGE_OPEN_FILE;
    value = batch ? 1 : 0;
    file.close();
    file.folder = f.folder;
    file.name = f.name;
}

void VORDIX_MESSAGE::addModifier(std::uint32_t modifier)
{
    switch (modifier) {
    case MODIFIER_SHIFT:
    case MODIFIER_CONTROL:
    case MODIFIER_ALT:
    case MODIFIER_META: modifiers |= modifier; break;
    default: break;
    }
}
