#pragma once
// The distribution heuristics of the card-location prognosis. The played
// cards give certainties; the other five give weighted hints for single
// cells, each checked against the real deal before it counts.

#include "skat/logic/LogikModul.h"
#include "skat/logic/Verteilungsprognose.h"

#include <array>
#include <string>

class VERTEILUNGS_HEURISTIK : public LOGIK_MODUL {
public:
    VERTEILUNGS_HEURISTIK(std::wstring key, const PrognosisServices& services,
                          const std::array<unsigned char, CARD_ROWS>& unseen)
        : key(std::move(key))
        , services_(services)
        , unseen_(unseen)
    {
    }
    virtual void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) = 0;

    bool isUnseen(CardId card) const { return unseen_[static_cast<std::size_t>(cardRow(card))] != 0; }

    const std::wstring key;
    int weight = 1;

protected:
    const PrognosisServices& services_;
    const std::array<unsigned char, CARD_ROWS>& unseen_;
};

// Certainties: own hand, laid-away skat, open declarer's hand, played
// cards and the suits a seat did not follow. Clears the unseen flags of the
// played cards.
class HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_FGN_JEDER_GESPIELTE_KARTEN(const PrognosisServices& services,
                                         std::array<unsigned char, CARD_ROWS>& unseen)
        : VERTEILUNGS_HEURISTIK(L"GESPIELTE_KARTEN", services, unseen)
        , flags_(unseen)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;

private:
    void markVoid(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store, Seat seat, int what);
    std::array<unsigned char, CARD_ROWS>& flags_;
};

// A seat that gave few or many points to a trick it could not win (or that
// its partner won) probably holds, or lacks, the picture cards around it.
class HEURISTIK_FG_JEDER_PUNKTE_IN_STICH : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_FG_JEDER_PUNKTE_IN_STICH(const PrognosisServices& s, const std::array<unsigned char, CARD_ROWS>& u)
        : VERTEILUNGS_HEURISTIK(L"PUNKTE_IN_STICH", s, u)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;
};

// The declarer holds many trumps, the skat few; the declarer's side cards
// from the profile of how it plays.
class HEURISTIK_FGN_GG_TRUMPFVERTEILUNG : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_FGN_GG_TRUMPFVERTEILUNG(const PrognosisServices& s, const std::array<unsigned char, CARD_ROWS>& u)
        : VERTEILUNGS_HEURISTIK(L"TRUMPFVERTEILUNG", s, u)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;
};

// The declarer's cards from 200 random hands it could have bid the game on.
class HEURISTIK_FG_GG_REIZBARE_VERTEILUNG : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_FG_GG_REIZBARE_VERTEILUNG(const PrognosisServices& s, const std::array<unsigned char, CARD_ROWS>& u)
        : VERTEILUNGS_HEURISTIK(L"REIZBARE_VERTEILUNG", s, u)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;
};

// The first leader's cards in the suit it opened with, from the profiles.
class HEURISTIK_F_GG_ANSPIELKARTE : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_F_GG_ANSPIELKARTE(const PrognosisServices& s, const std::array<unsigned char, CARD_ROWS>& u)
        : VERTEILUNGS_HEURISTIK(L"ANSPIELKARTE", s, u)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;
};

// After the declarer showed two side suits, how likely it is void in the
// third, from the profiles.
class HEURISTIK_F_GG_ALSP_DRITTE_FARBE_FREI : public VERTEILUNGS_HEURISTIK {
public:
    HEURISTIK_F_GG_ALSP_DRITTE_FARBE_FREI(const PrognosisServices& s, const std::array<unsigned char, CARD_ROWS>& u)
        : VERTEILUNGS_HEURISTIK(L"ALSP_DRITTE_FARBE_FREI", s, u)
    {
    }
    void apply(const PrognosisSituation& game, VERTEILUNGS_SCHAETZUNG& store) override;
};
