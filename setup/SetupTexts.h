#pragma once
// The bootstrapper's string table (German) and the fatal error it throws.

#include <string>
#include <vector>

namespace setup {

enum SetupTextId : int {
    TEXT_VERSION_UNKNOWN = 129, // %s product name
    TEXT_NEWER_INSTALLED = 130, // %s installed version, %s product name, %s package version
    TEXT_INSTALLER_START = 131,
    TEXT_INTERNAL_ERROR = 132, // %s code
    TEXT_NO_MEMORY = 133,
    TEXT_CANNOT_CREATE_TEMP = 134,
    TEXT_CANNOT_WRITE_TEMP = 135,
    TEXT_TEMP_TRANSFER = 136,
    TEXT_CAPTION = 137,
    TEXT_NO_MODULE_PATH = 142,
    TEXT_NO_INSTALLER = 143,
    TEXT_INSTALLER_FAILED = 144, // %s installer's text, %s command
    TEXT_BAD_MAGIC = 145,
    TEXT_BAD_PACKAGE_NAME = 146,
    TEXT_TRUNCATED_PACKAGE = 147,
};

// The text of an id; empty for an unknown id.
std::string setupText(int id);

// The only failure of the bootstrapper: a message for the user, its caption
// and whether a message box is shown at all (the installer's own failures
// were shown by the installer).
class ExceptionFatalError {
public:
    ExceptionFatalError(std::string message, std::string caption, bool show = true);
    // Text id with up to three "%s" arguments filled in order.
    static ExceptionFatalError fromText(int id, const std::vector<std::string>& arguments = {}, bool show = true);

    // A message box through the program's message sink, when shown at all.
    void show() const;

    const std::string& message() const { return message_; }
    const std::string& caption() const { return caption_; }
    bool shown() const { return show_; }

private:
    std::string message_;
    std::string caption_;
    bool show_ = true;
};

// Fills the "%s" places of a text in order (no printf: the arguments are
// paths and texts of other programs).
std::string fillPlaces(const std::string& text, const std::vector<std::string>& arguments);

} // namespace setup
