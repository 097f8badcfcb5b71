#pragma once
// The high-score list: the players' best results (points, name, date), kept
// in descending order of points and stored as "bestenliste" in the user's
// data folder. Loaded once by the data-loading thread; the statistics dialog
// walks the best ten on the GUI thread and may empty and save it. No lock of
// its own: the callers take turns.

#include "vordix/Dokument.h"

#include <list>
#include <string>

class BESTENLISTE : public VORDIX_DOKUMENT {
public:
    // One result; texts are cut to 9, 99 and 11 characters.
    struct SKATENTRY {
        SKATENTRY() = default;
        SKATENTRY(int points, const std::wstring& name, const std::wstring& date);
        virtual ~SKATENTRY() = default;

        int points = 0;
        std::wstring pointsText; // points as decimal text
        std::wstring name;
        std::wstring date; // as stored
    };

    static constexpr size_t MAX_POINTS_TEXT = 9;
    static constexpr size_t MAX_NAME = 99;
    static constexpr size_t MAX_DATE = 11;
    static constexpr int SHOWN_ENTRIES = 10; // walked and written

    BESTENLISTE() = default;
    BESTENLISTE(const BESTENLISTE&) = delete; // the walk cursor points into the list
    BESTENLISTE& operator=(const BESTENLISTE&) = delete;

    // Loads "bestenliste" from the user's data folder. A file that is missing
    // or cannot be read leaves an empty list flagged as modified; a damaged
    // file stays on disk (the next save keeps it aside). Returns the
    // document's DocumentError code so the caller can tell a first start
    // (DOCUMENT_NOT_OPENABLE) from a damaged file (DOCUMENT_UNREADABLE).
    int load();
    // Loads the given file (tests, tools); as load().
    int loadFrom(const VORDIX_FILE& source);

    bool read(const tinyxml2::XMLElement* element, const tinyxml2::XMLDocument& document) override;
    const char* elementName() const override { return "Bestenliste"; }
    void write(tinyxml2::XMLElement& element, tinyxml2::XMLDocument& document) const override;
    int onLoadFailed() override;

    // Removes every entry and sets modified.
    void clear();
    // Appends an entry, then sorts by points, highest first, keeping the order
    // of equal points (a new entry goes behind earlier ones); sets modified.
    void addEntry(int points, const std::wstring& name, const std::wstring& date);

    // The walk over the best ten: 0 and the entry copied into out, or 1 when
    // there is none (empty list, end of the list, or ten entries handed out).
    int firstEntry(SKATENTRY& out);
    int nextEntry(SKATENTRY& out);

    const std::list<SKATENTRY>& entries() const { return entries_; }

private:
    void sortEntries();

    std::list<SKATENTRY> entries_;
    std::list<SKATENTRY>::const_iterator cursor_ = entries_.end();
    int walkCounter_ = 0;
};
