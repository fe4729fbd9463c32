// The soak driver's description of Tulip, Blue Tulip and Paganini: the census of the four
// rows and the card in the hand, the four gaps, the passes, the redeal button, the legal
// moves and the no-softlock test.
#include "Group2Soak.h"

#include "app/RoundEnd.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"

namespace soak {

namespace {

using namespace GameState;
using namespace Group2;

bool Filled(int p, int r) { return IsCard(PileCards[p][r]); }

bool Button8On() { return Form1 && Form1->Button8 && Form1->Button8->isEnabled(); }

// A point on the visible part of the card at place p (no neighbour's strip).
QPoint OnCard(int p, int r) { return {TulipPlaceX[p] + TulipPlaceStep / 2, TulipRowY[r] + CardHeight / 2}; }

// A point of the empty place p right of its left neighbour's strip.
QPoint OnGap(int p, int r)
{
    return {TulipPlaceX[p] + CardWidth / 2, TulipRowY[r] + CardHeight / 2};
}

// Whether the release before this check dropped a lifted card (that release ran the end
// of move in drag mode).
bool dragBefore = false;
bool dropped = false;

} // namespace

TSoakGame SoakTulip2()
{
    TSoakGame g;
    g.deal = [] {
        dragBefore = false;
        dropped = false;
        return SoakGroup2().deal();
    };

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(4 * 14 + 1);
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p)
                out.push_back({"row", r, p, CardKey(PileCards[p][r]), PileValues[p][r]});
        out.push_back({"hand", 0, 1, CardKey(TulipHandCard), TulipHandValue});
        return out;
    };

    g.check = []() -> QString {
        dropped = dragBefore && !DragActive;
        dragBefore = DragActive != 0;
        const int n = TulipPlaceCount();
        int gaps = 0;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p) {
                if (p > n && Filled(p, r))
                    return QStringLiteral("row %1 holds a card at place %2 beyond its %3").arg(r).arg(p).arg(n);
                if (p <= n && !Filled(p, r))
                    ++gaps;
            }
        if (IsCard(TulipHandCard) != (DragActive != 0))
            return QStringLiteral("the hand holds a card %1 a drag").arg(DragActive ? "without" : "outside");
        if (gaps - (DragActive ? 1 : 0) != 4)
            return QStringLiteral("%1 empty places instead of four").arg(gaps - (DragActive ? 1 : 0));
        if (PassCount < 1 || PassCount > TulipPassLimit())
            return QStringLiteral("pass %1 of %2").arg(PassCount).arg(TulipPassLimit());
        if ((TulipPhase == 2 || TulipPhase == 3) && !Button8On())
            return QStringLiteral("redeal step %1 with Button8 disabled").arg(TulipPhase);
        // The collection relies on it: what it leaves of the pack fills the places exactly.
        for (int r = 1; TulipPhase != 1 && r <= 4; ++r)
            if (!Filled(1, r))
                return QStringLiteral("a stuck table with place 1 of row %1 empty").arg(r);
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= TulipPlaceCount(); ++p) {
                t.push_back(OnCard(p, r));
                t.push_back({TulipPlaceX[p] + 2, TulipRowY[r] + 5}); // the neighbour's strip
            }
        return t;
    };

    // Click modes: the card, then the gap. Drag mode: the release where the drop point
    // (half a step into the sprite, Scaled(48) below its top) lands in the gap.
    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        if (TulipPhase != 1)
            return m;
        const int n = TulipPlaceCount();
        for (int sr = 1; sr <= 4; ++sr)
            for (int sp = 1; sp <= n; ++sp) {
                if (!Filled(sp, sr))
                    continue;
                for (int r = 1; r <= 4; ++r)
                    for (int p = 1; p <= n; ++p)
                        if (TulipTakes(p, r, PileCards[sp][sr], PileValues[sp][sr])) {
                            const QPoint a = OnCard(sp, sr);
                            const QPoint b = Settings::MoveMode == 2
                                ? a + QPoint(TulipPlaceX[p] - TulipPlaceX[sp] + CardInset,
                                             TulipRowY[r] - TulipRowY[sr] + CardInset + CardHeight / 2 -
                                                 Scaling::Scaled(48))
                                : OnGap(p, r);
                            // Moves that lengthen a row's leading run first, so deals get somewhere.
                            const bool grows = p == TulipRowRun(r) + 1 && (p > 1 || TulipRowRun(sr) == 0 || sp > 1);
                            if (grows)
                                m.insert(m.begin(), {a, b});
                            else
                                m.push_back({a, b});
                        }
            }
        return m;
    };

    g.buttons = [] {
        std::vector<std::function<void()>> b;
        if (Button8On() && !GameOver)
            b.push_back([] { RoundEnd::Button8Click(*Form1); });
        return b;
    };

    // Between gestures a table in play always takes a click; the redeal steps need the button.
    g.softlock = []() -> QString {
        if ((TulipPhase == 2 || TulipPhase == 3) && !Button8On())
            return QStringLiteral("the table waits for the redeal button, which is disabled");
        return {};
    };

    // Four dead gaps after a release that ran the end of move: the game must have ended,
    // or wait for the redeal, or offer Paganini's give-up.
    g.endTestHolds = [] {
        if (Settings::MoveMode == 2 && !dropped)
            return false;
        if (TulipPhase != 1 || TulipDeadGaps() != 4)
            return false;
        return !(CurrentGameId == Paganini && Button8On());
    };
    return g;
}

} // namespace soak
