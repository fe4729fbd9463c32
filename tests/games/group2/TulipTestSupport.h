#pragma once
// Tulip rows written by their readable codes, and a dealt Tulip table on the bare play
// surface: real mouse events through the dispatch, instant flights, recorded sounds.
#include "support/PlayTable.h"

#include "Group2TestSupport.h"

#include "foundation/Shuffle.h"
#include "games/group2/Group2.h"

#include <optional>
#include <vector>

namespace group2_test {

// The two window sizes the Tulip tests look at, and the strip of a card that shows in an
// empty place to its right (CardWidth - TulipPlaceStep).
struct TulipSize {
    int size, width, height;
    double zoom;
    int strip;
};
inline constexpr TulipSize kTulipSizes[] = {{1, 760, 500, 1.0, 20}, {5, 1520, 1000, 2.0, 43}};

// The value byte of a card in the current game's pack (Paganini: Ace 0, Six 1 .. King 8).
inline GameState::Byte TulipValueOf(const TCardCode& c)
{
    if (GameState::CurrentGameId != Group2::Paganini)
        return ValueOf(c);
    const GameState::Byte v = ValueOf(c);
    return v == 0 ? 0 : GameState::Byte(v - 4);
}

// Place p of row r: a card, or "" for a gap.
inline void SetTulipPlace(int p, int r, const char* card)
{
    using namespace GameState;
    if (*card == '\0') {
        PileCards[p][r] = cards::Empty;
        PileValues[p][r] = cards::EmptyValue;
        return;
    }
    PileCards[p][r] = Cd(card);
    PileValues[p][r] = TulipValueOf(PileCards[p][r]);
}

// Row r from place 1 on ("" a gap); the places after the list emptied.
inline void SetTulipRow(int r, const std::vector<const char*>& row)
{
    for (int p = 1; p <= 14; ++p)
        SetTulipPlace(p, r, p <= int(row.size()) ? row[size_t(p - 1)] : "");
}

// Every row one suit (hearts, diamonds, clubs, spades) from Ace to King, the rest empty.
inline void SetWonRows()
{
    using namespace GameState;
    const bool paganini = CurrentGameId == Group2::Paganini;
    for (int r = 1; r <= 4; ++r) {
        SetTulipRow(r, {});
        int p = 1;
        const TCardCode ace(cards::RankAce, cards::SuitOrder[r - 1]);
        PileCards[p][r] = ace;
        PileValues[p][r] = 0;
        for (int k = paganini ? 4 : 0; k <= 11; ++k) {
            ++p;
            PileCards[p][r] = TCardCode(cards::RankOrder[k], cards::SuitOrder[r - 1]);
            PileValues[p][r] = TulipValueOf(PileCards[p][r]);
        }
    }
}

// The places of every row from the second place after its last card on, filled with
// the game's pack's cards not yet on the table, in pack order.
inline void FillTulipRowsFromPack()
{
    using namespace GameState;
    const int firstRank = CurrentGameId == Group2::Paganini ? 4 : 0; // Paganini from the Six
    std::vector<TCardCode> rest;
    for (int i = 4 * firstRank + 1; i <= 52; ++i) {
        const TCardCode c(cards::RankOrder[(i - 1) / 4], cards::SuitOrder[(i - 1) % 4]);
        bool onTable = false;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p)
                onTable = onTable || PileCards[p][r] == c;
        if (!onTable)
            rest.push_back(c);
    }
    size_t next = 0;
    for (int r = 1; r <= 4; ++r) {
        int last = 0;
        for (int p = 1; p <= 14; ++p)
            if (!(PileCards[p][r] == cards::Empty))
                last = p;
        for (int p = last + 2; p <= Group2::TulipPlaceCount() && next < rest.size(); ++p) {
            PileCards[p][r] = rest[next++];
            PileValues[p][r] = TulipValueOf(PileCards[p][r]);
        }
    }
}

// The rows of a stuck table: every gap behind a King, the leading runs
//   row 1 Тб 2б 3б | Кб ##   row 2 Тк | Кк ##   row 3 2ч 3ч | Кч ##   row 4 Кп ##
// and the rest of the pack behind the gaps.
inline void StuckRows()
{
    SetTulipRow(1, {"Тб", "2б", "3б", "Кб", ""});
    SetTulipRow(2, {"Тк", "Кк", ""});
    SetTulipRow(3, {"2ч", "3ч", "Кч", ""});
    SetTulipRow(4, {"Кп", ""});
    FillTulipRowsFromPack();
}

class TulipTable : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        GameState::SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }

    // `game` dealt with `seed` in move mode `mode` at a window size, "To Begin" pressed.
    void Deal(int game, int mode = 0, std::uint32_t seed = 7, const TulipSize& size = kTulipSizes[0])
    {
        using namespace GameState;
        BareTable(mode, size.width, size.height, size.zoom);
        CurrentGameId = game;
        CurrentGroup = 2;
        SetShuffleSeedForTest(seed);
        Form1->SetClientSize(size.width, size.height);
        LayoutTable();
        Group2::DealTable2();
        RoundPhase = 2;
        TulipPhase = 1;
        PassCount = 1;
        MoveCounter = 0;
        Form1->Button8->setEnabled(false);
        Sounds();
    }
    // The rows as they stand, painted afresh (after a hand-made fixture).
    static void Repaint()
    {
        for (int r = 1; r <= 4; ++r)
            Group2::RedrawTulipRow(r);
    }

    // A point on the visible part of place p (a card there, or a gap past its left
    // neighbour's strip).
    static QPoint At(int p, int r)
    {
        using namespace GameState;
        return {TulipPlaceX[p] + (CardWidth - TulipPlaceStep + std::min(TulipPlaceStep, CardWidth)) / 2,
                TulipRowY[r] + CardHeight / 2};
    }
    static QPoint OnCard(int p, int r)
    {
        using namespace GameState;
        return {TulipPlaceX[p] + TulipPlaceStep / 2, TulipRowY[r] + CardHeight / 2};
    }
    // The release point of a drag pressed at `press` on the card of (sp, sr) that drops it
    // on place (p, r), moved by (dx, dy).
    static QPoint DropOn(QPoint press, int sp, int sr, int p, int r, int dx = 0, int dy = 0)
    {
        using namespace GameState;
        return press + QPoint(TulipPlaceX[p] - TulipPlaceX[sp] + dx, TulipRowY[r] - TulipRowY[sr] + dy);
    }
    static TCardCode Card(int p, int r) { return GameState::PileCards[p][r]; }
    // The place (p, r) of the first card `code` on the table.
    static bool Find(const char* code, int& p, int& r)
    {
        for (r = 1; r <= 4; ++r)
            for (p = 1; p <= 14; ++p)
                if (GameState::PileCards[p][r] == Cd(code))
                    return true;
        return false;
    }
};

} // namespace group2_test
