#pragma once
// The user's preferences as text values named by their numeric id, kept in a
// per-user persistent store under registry-style key paths. The platform
// implementor (WIN_PREFERENCE) comes from the implementor factory.

#include <memory>
#include <string>

// Key paths of the program's persistent settings.
inline constexpr const wchar_t* PROGRAM_KEY = L"Software\\Quorvenel\\SKAT";
inline constexpr const wchar_t* PREFERENCES_KEY = L"Software\\Quorvenel\\SKAT\\Preferences";
inline constexpr const wchar_t* DIALOG_POSITIONS_KEY = L"Software\\Quorvenel\\SKAT\\DialogPositionen";
// Value names under the preference root and the program key.
inline constexpr const wchar_t* LANGUAGE_VALUE = L"Sprache";
inline constexpr const wchar_t* DUMP_MODE_VALUE = L"DumpMode";

class VORDIX_PREFERENCE_imp {
public:
    virtual ~VORDIX_PREFERENCE_imp();
    // Stores the text under the decimal id; true when written to disk.
    virtual bool setValue(int id, const std::wstring& text) = 0;
    // Clears text, then fills it when the id is stored; false when absent.
    virtual bool getValue(int id, std::wstring& text) = 0;
};

class VORDIX_PREFERENCE {
public:
    // Takes its implementor from the installed factory; without a factory
    // (headless code) every read and write fails and callers keep defaults.
    VORDIX_PREFERENCE();
    explicit VORDIX_PREFERENCE(std::unique_ptr<VORDIX_PREFERENCE_imp> imp);
    virtual ~VORDIX_PREFERENCE();
    VORDIX_PREFERENCE(const VORDIX_PREFERENCE&) = delete;
    VORDIX_PREFERENCE& operator=(const VORDIX_PREFERENCE&) = delete;

    bool setValue(int id, const std::wstring& text);
    bool getValue(int id, std::wstring& text);

    // The key path of the preferences; main sets it before anything reads
    // a preference.
    static void setRoot(const std::wstring& keyPath);
    static std::wstring root();

    // The value name of a preference id: its decimal text.
    static std::wstring valueName(int id);

    VORDIX_PREFERENCE_imp* imp() const { return imp_.get(); }

private:
    std::unique_ptr<VORDIX_PREFERENCE_imp> imp_;
};
