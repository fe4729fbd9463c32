// Backbone: the module's places, its rules and its mouse handling on the play kit.
#include "games/group3/Qyv_38_Poz.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

namespace {

// Pile numbers of the spots: column sides 1 and 2, the waste, backbone rows from
// BonePile + 1, foundations from FoundationPile + 1.
constexpr int WastePile = 20;
constexpr int BonePile = 30;
constexpr int FoundationPile = 40;

Kit::TSpot Column(int s, int k)
{
    const int n = BackboneColumnNext[s][k];
    return {s, k, GridX[s][k], GridY[s][k], PileCards2[s][k][std::max(1, n - 1)], PileValues2[s][k][std::max(1, n - 1)]};
}

Kit::TSpot Bone(int r, int i)
{
    const int at = (r - 1) * 11 + i;
    return {BonePile + r, i, BackboneX[at], BackboneY[at], BackboneCards[r][i], BackboneValues[r][i]};
}

Kit::TSpot Foundation(int f)
{
    const int n = BackboneFoundationNext[f];
    return {FoundationPile + f, 0, FoundationPosX[f], FoundationPosY[f], FoundationCards[f][std::max(1, n - 1)],
            FoundationValues[f][std::max(1, n - 1)]};
}

// The passes are over once the stock of the second pass is used up, or stock and waste
// are both empty in the first: the player may give up.
void OfferGiveUp()
{
    if (GameOver || StockCount != 0 || (PassCount < 2 && WasteCount > 1) || !Form1 || !Form1->Button8)
        return;
    Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
    Form1->Button8->setEnabled(true);
}

void Panel()
{
    DrawInfoPanel3();
    OfferGiveUp();
}

bool StockPress(int X, int Y)
{
    if (StockOrWasteAt3(X, Y) != 1 || SourceSelected)
        return false;
    // An empty waste is not turned back.
    if (StockCount == 0 && WasteCount <= 1)
        return false;
    if (StockCount > 0) {
        HitPile = 0;
        HitPos = 0;
    }
    if (!PlayStock3(2))
        return false;
    OfferGiveUp();
    return true;
}

// The card in the hand onto foundation or column `t`.
void Lay(const Kit::TSpot& t)
{
    if (t.Pile > FoundationPile) {
        const int f = t.Pile - FoundationPile;
        const int n = BackboneFoundationNext[f];
        FoundationCards[f][n] = TargetCard;
        FoundationValues[f][n] = Byte(TargetValue);
        BackboneFoundationNext[f] = n + 1;
        RedrawFoundation3(f);
    } else {
        const int n = BackboneColumnNext[t.Pile][t.Pos];
        PileCards2[t.Pile][t.Pos][n] = TargetCard;
        PileValues2[t.Pile][t.Pos][n] = Byte(TargetValue);
        BackboneColumnNext[t.Pile][t.Pos] = n + 1;
        RedrawColumn3(t.Pile, t.Pos);
    }
    RefreshTable3();
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.OwnPress = StockPress;
    r.OwnHand = [](int X, int Y) { return StockOrWasteAt3(X, Y) == 1 && StockCount > 0; };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        if (const auto waste = WasteSourceAt3(X, Y, WastePile, 0, s))
            return *waste;
        int a = 0;
        int b = 0;
        if (HitTestColumn3(X, Y, a, b)) {
            if (BackboneColumnNext[a][b] < 2)
                return false;
            s = Column(a, b);
            return true;
        }
        if (!HitTestBackbone(X, Y, a, b))
            return false;
        s = Bone(a, b);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            const TTaken3 t = TakeWasteTop3();
            Kit::HoldOneCard(t.Card, t.Value);
        } else if (s.Pile > BonePile) {
            const int row = s.Pile - BonePile;
            Kit::HoldOneCard(BackboneCards[row][s.Pos], BackboneValues[row][s.Pos]);
            BackboneCards[row][s.Pos] = cards::Empty;
            BackboneValues[row][s.Pos] = cards::EmptyValue;
            RedrawBackbone();
        } else {
            const int top = BackboneColumnNext[s.Pile][s.Pos] - 1;
            Kit::HoldOneCard(PileCards2[s.Pile][s.Pos][top], PileValues2[s.Pile][s.Pos][top]);
            PileCards2[s.Pile][s.Pos][top] = cards::Empty;
            PileValues2[s.Pile][s.Pos][top] = cards::EmptyValue;
            BackboneColumnNext[s.Pile][s.Pos] = top;
            RedrawColumn3(s.Pile, s.Pos);
        }
        RefreshTable3();
    };
    r.Put = [](const Kit::TSpot& t) {
        Lay(t);
        // Back on its own column: no move, but the panel is drawn all the same.
        if (t.Pile < WastePile && t.SamePlace(Kit::PlaySource))
            DrawInfoPanel3();
    };
    r.PutBack = [](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            PutOnWaste3(TargetCard, Byte(TargetValue));
            RefreshTable3();
        } else if (s.Pile > BonePile) {
            BackboneCards[s.Pile - BonePile][s.Pos] = TargetCard;
            BackboneValues[s.Pile - BonePile][s.Pos] = Byte(TargetValue);
            RedrawBackbone();
            RefreshTable3();
        } else {
            Lay(s);
        }
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int a = 0;
        int b = 0;
        if (HitTestFoundation3(X, Y, a)) {
            t = Foundation(a);
            return true;
        }
        if (!HitTestColumn3(X, Y, a, b))
            return false;
        t = Column(a, b);
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte value) {
        if (t.Pile > FoundationPile)
            return BackboneFoundationTakes3(card, value, t.Pile - FoundationPile);
        return BackboneColumnTakes3(card, value, t.Pile, t.Pos);
    };
    r.Complete = [](const Kit::TSpot& t) {
        return t.Pile > FoundationPile && BackboneFoundationNext[t.Pile - FoundationPile] == 14;
    };
    r.SilentHomeDrop = true;
    r.Panel = Panel;
    r.Hint = [](int X, int Y) {
        auto over = [&](int x, int y, int count) {
            return X >= x && X <= x + CardWidth && Y >= y - StackEdgeStep3(count) && Y <= y + CardHeight;
        };
        if (over(AuxPile2X, AuxPile2Y, StockCount))
            return QString::number(StockCount);
        if (over(AuxPile1X, AuxPile1Y, WasteCount))
            return QString::number(WasteCount - 1);
        return QString();
    };
    r.Foundations = [] {
        std::vector<Kit::TSpot> out;
        for (int f = 1; f <= 8; ++f)
            out.push_back(Foundation(f));
        return out;
    };
    r.Search = Kit::TFoundationSearch::Last;
    r.DoubleClickEndTest = true;
    r.End = EndTest3();
    return r;
}

} // namespace

GROUP3_KIT_MODULE(Poz)

void PozDblClick()
{
    Kit::PlayDoubleClick(PozRules());
}

} // namespace Group3
