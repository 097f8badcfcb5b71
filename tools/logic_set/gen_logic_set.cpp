// Writes the computer player's logic set (the four lead-table files
// "Standard0.SPL", "Standard0_VHT.SPN", "Standard0_MHB.SPN" and
// "Standard0_MHT.SPN") from rules of thumb of card play.
//
//   gen_logic_set --out DIR [--base NAME]
//
// Each byte is a rating term plus 100 for the rated card p, given another
// card q of the suit and where q lies (own hand, outstanding, played, in
// the current trick). Where no rule speaks the term is 0 (byte 100).
// Positions run from the lowest card to the highest, so "q > p" means that
// q beats p.

#include "vordix/SafeSave.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

enum State { OWN = 0, OUT = 1, PLAYED = 2, TRICK = 3 };

// Card points by side-suit position (7 8 9 Q K 10 A).
int sidePoints(int pos)
{
    static constexpr int points[] = {0, 0, 0, 0, 3, 4, 10, 11};
    return pos >= 1 && pos <= 7 ? points[pos] : 0;
}
// Trump order: the suit's seven cards, then four jacks worth 2 each.
int trumpPoints(int pos) { return pos >= 8 ? 2 : sidePoints(pos); }

bool isDiscardNumber(int n) { return n == 10 || n == 11 || n == 12 || n == 14 || n == 17 || n == 18; }

// Leading a card of a suit (side suit or trump): keep points away from
// higher outstanding cards, cash cards that have become high, and draw out
// lower cards.
int leadTerm(int p, int q, int s, int points, bool mayBeRuffed, bool partnerRuffs, bool drawsTrumps)
{
    if (q > p) {
        if (s == OUT)
            return partnerRuffs ? 2 : -(points + 2);
        if (s == PLAYED)
            return points / 2 + 1;
        if (s == OWN)
            return 1;
        return 0;
    }
    if (s == OUT)
        return (drawsTrumps ? 3 : 1) - (mayBeRuffed ? points / 3 : 0);
    return 0;
}

// Discarding a card: throw few points (or many on the partner's trick) and
// keep guards of tens; short suits are better to clear.
int discardTerm(int p, int q, int s, int points, bool smear)
{
    int term = smear ? points / 2 : -(points / 2);
    if (s == OWN)
        term -= 2;
    if (!smear && q > p && s == OUT && points == 10)
        term -= 5;
    return term;
}

// Following (second or third hand): take the trick cheaply when it can be
// taken, do not throw points under a higher card, smear on the partner's
// trick, fear higher cards still to come behind.
int followTerm(int p, int q, int s, int points, int qPoints, bool partnerHolds, bool secondHand, bool threat)
{
    int term = -p / 3; // the lowest card that does the job
    if (s == TRICK) {
        if (q < p)
            term += partnerHolds ? -2 : qPoints / 2 + 3;
        else
            term += partnerHolds ? points / 2 : -points;
    } else if (s == OUT && q > p && secondHand) {
        term -= threat ? points : points / 2;
    }
    return term;
}

int vhbb(int n, int p, int q, int s)
{
    const int points = sidePoints(p);
    if (isDiscardNumber(n))
        return discardTerm(p, q, s, points, n == 14 || n == 17);
    const bool mayBeRuffed = n == 3 || n == 5 || n == 7;
    const bool partnerRuffs = n == 6 || n == 8;
    return leadTerm(p, q, s, points, mayBeRuffed, partnerRuffs, false);
}

int vhtr(int n, int p, int q, int s)
{
    const int points = trumpPoints(p);
    if (n >= 10 && n <= 15) // ruffs and grand discards: spend little
        return -(points + p) / 4 + (q > p && s == OWN ? 1 : 0);
    const bool declarer = n == 0 || n == 1 || n == 24 || n == 25;
    if (declarer)
        return leadTerm(p, q, s, points, false, false, true);
    return leadTerm(p, q, s, points, false, false, false) - (s == OUT ? 1 : 0);
}

int vhnl(int n, int p, int q, int s)
{
    if (n == 6) // the declarer (and every Ramsch lead): no lower card may duck
        return q < p && s == OUT ? -12 : (q > p && s == OUT ? 4 : 0);
    if (n == 21 || n == 23) // discards: get rid of the cards that can be caught
        return q < p && s == OUT ? (n == 21 ? 8 : 3) : 0;
    // Defenders lead low so that the declarer must go over.
    if (s != OUT)
        return 0;
    return q > p ? 4 : -4;
}

int mhbb(int n, int p, int q, int s)
{
    const bool partnerHolds = n == 8 || n == 10;
    const bool secondHand = n >= 1 && n <= 6;
    const bool threat = n >= 4 && n <= 6;
    return followTerm(p, q, s, sidePoints(p), sidePoints(q), partnerHolds, secondHand, threat);
}

int mhtr(int n, int p, int q, int s)
{
    const bool partnerHolds = n == 14 || n == 19 || n == 21 || n == 24 || n == 26 || n == 29 || n == 31;
    const bool secondHand = n <= 12;
    return followTerm(p, q, s, trumpPoints(p), trumpPoints(q), partnerHolds, secondHand, false);
}

int mhnl(int n, int p, int q, int s)
{
    const bool declarer = n == 4 || n == 10;
    if (s == TRICK) {
        if (q > p)
            return declarer ? 10 : 4; // stays under the trick's card
        return declarer ? -30 : -5;
    }
    if (s == OUT && q < p) // a lower card still out may catch this one later
        return declarer ? 2 : 0;
    return 0;
}

std::uint8_t toByte(int term) { return static_cast<std::uint8_t>(std::clamp(term, -100, 100) + 100); }

// Fills tables 0..numbers-1 of width w and entry size b into a buffer.
template <class Rule>
void fillBlock(std::vector<std::uint8_t>& buffer, int numbers, int width, int bytes, Rule rule)
{
    for (int n = 0; n < numbers; ++n)
        for (int p = 1; p <= width; ++p)
            for (int q = 1; q <= width; ++q) {
                const std::size_t e = static_cast<std::size_t>((n * width + p) * width + q);
                for (int s = 0; s < bytes; ++s) {
                    const std::size_t at = 1 + bytes * e + s;
                    if (at < buffer.size() && p != q)
                        buffer[at] = toByte(rule(n, p, q, s));
                }
            }
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    return static_cast<bool>(
        vordix::saveFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path out;
    std::string base = "Standard";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--out"))
            out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--base"))
            base = argv[i + 1];
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: gen_logic_set --out DIR [--base NAME]\n");
        return 2;
    }
    std::filesystem::create_directories(out);

    std::vector<std::uint8_t> main(2965, 100), vht(9838, 100), mhb(3169, 100), mht(17473, 100);
    main[0] = vht[0] = mhb[0] = mht[0] = 0;
    fillBlock(main, 20, 7, 3, vhbb);
    // The filter rows (numbers 0..6 share VHBB 9) were filled above; the
    // filter of numbers 7 and up reads the first entries, kept neutral.
    fillBlock(vht, 27, 11, 3, [](int n, int p, int q, int s) {
        // VHTR and VHNL share the file: the side-suit and null tables use
        // positions up to 8, the trump tables up to 11. The trump rules
        // hold for every number the trump choice uses; the null numbers
        // (6-9, 20, 21, 23) take the null rules.
        const bool nullNumber = n == 6 || n == 7 || n == 8 || n == 9 || n == 20 || n == 21 || n == 23;
        return nullNumber && p <= 8 && q <= 8 ? vhnl(n, p, q, s) : vhtr(n, p, q, s);
    });
    fillBlock(mhb, 16, 7, 4, mhbb);
    fillBlock(mht, 36, 11, 4, [](int n, int p, int q, int s) {
        const bool nullNumber = n == 4 || n == 5 || n == 6 || n == 10 || n == 11 || n == 12;
        return nullNumber && p <= 8 && q <= 8 ? mhnl(n, p, q, s) : mhtr(n, p, q, s);
    });

    const bool ok = writeFile(out / (base + "0.SPL"), main) && writeFile(out / (base + "0_VHT.SPN"), vht)
                    && writeFile(out / (base + "0_MHB.SPN"), mhb) && writeFile(out / (base + "0_MHT.SPN"), mht);
    if (!ok) {
        std::fprintf(stderr, "gen_logic_set: could not write into %s\n", out.string().c_str());
        return 1;
    }
    return 0;
}
