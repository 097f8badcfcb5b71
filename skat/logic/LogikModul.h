#pragma once
// Common base of the computer player's modules (pre-play logic, profile
// queries, prognosis, lead choice, open-game solver): a player's logic holds
// one of each and destroys them through this base.

class LOGIK_MODUL {
public:
    LOGIK_MODUL() = default;
    LOGIK_MODUL(const LOGIK_MODUL&) = default;
    LOGIK_MODUL& operator=(const LOGIK_MODUL&) = default;
    virtual ~LOGIK_MODUL() = default;
};
