#pragma once
// Table set-ups for the group-4 engine tests: a bare table surface at 760 x 500 with a
// plain background, an emptied table of one game, cards written place by place.
#include "games/group4/Qyv_Help2_4.h"

#include "foundation/CardCode.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <initializer_list>
#include <memory>

namespace g4test {

// "9ч" -> the code page 1251 card code.
inline TCardCode Cd(const char* utf8) { return TCardCode::fromString(QString::fromUtf8(utf8)); }

// Value byte of a card in a 52 or 104 pack: ace 0, two 1 .. king 12.
inline GameState::Byte ValueOf(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank());
    return static_cast<GameState::Byte>(order == 12 ? 0 : order + 1);
}

// Every place of the table emptied for `game`, its layout numbers set at the zoom in
// force.
inline void EmptyTable(int game)
{
    using namespace GameState;
    const int width = CardWidth;
    const int height = CardHeight;
    ResetGameState();
    CardWidth = width;
    CardHeight = height;
    CurrentGameId = game;
    CurrentGroup = 4;
    ClearCards(PileCards, PileValues);
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    ClearCards(DiscardCards, DiscardValues);
    for (int i = 1; i <= 16; ++i)
        PileCounts[i] = 1;
    for (int f = 1; f <= 8; ++f)
        FoundationNextSlot[f] = 1;
    StockCount = 0;
    WasteCount = 1;
    ExtraPileCount = 1;
    PassCount = 1;
    LayoutTable();
}

inline void Put(int col, int row, const char* card, bool free = false)
{
    using namespace GameState;
    PileCards[col][row] = Cd(card);
    PileValues[col][row] = ValueOf(PileCards[col][row]);
    PileFaceUp[col][row] = free ? 1 : 0;
}

// Pile p (Pairs, Wish, Book rows) from slot 1 outward.
inline void SetPile(int p, std::initializer_list<const char*> list)
{
    using namespace GameState;
    int s = 0;
    for (int k = 1; k <= 104; ++k) {
        PileCards[p][k] = cards::Empty;
        PileValues[p][k] = cards::EmptyValue;
    }
    for (const char* c : list) {
        ++s;
        PileCards[p][s] = Cd(c);
        PileValues[p][s] = ValueOf(PileCards[p][s]);
    }
    PileCounts[p] = s + 1;
}

// n cards of any kind on the stock / the waste.
inline void FillStock(int n)
{
    using namespace GameState;
    ClearCards(StockCards, StockValues);
    for (int k = 1; k <= n; ++k) {
        StockCards[k] = Cd("5п");
        StockValues[k] = 4;
    }
    StockCount = n;
}
inline void FillWaste(int n, const char* card = "9ч")
{
    using namespace GameState;
    ClearCards(WasteCards, WasteValues);
    for (int k = 1; k <= n; ++k) {
        WasteCards[k] = Cd(card);
        WasteValues[k] = ValueOf(WasteCards[k]);
    }
    WasteCount = n + 1;
}

// A bare main window at 760 x 500 whose table and background are plain green.
class TableFixture : public ::testing::Test {
protected:
    static constexpr platform::TColor Ground = 0x30A050;

    void SetUp() override
    {
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        Settings::MoveMode = 0;
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->SetClientSize(760, 500);
        GameState::ApplyZoomForTest(760, 500, 1.0, true);
        CardPictures::TableBackground = QImage(760, 500, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(Ground));
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        Form1->ImageStol->setPictureSize(760, 500);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        CardPictures::TableBackground = QImage();
        GameState::SetShuffleSeedForTest(std::nullopt);
        GameState::BeforeRedealHookForTest = nullptr;
        GameState::ApplyZoomForTest(760, 500, 1.0, true);
        GameState::ResetGameState();
    }
    // The table laid out for `game`, emptied, its picture back to the plain ground.
    void Table(int game)
    {
        EmptyTable(game);
        Form1->ImageStol->setPictureSize(760, 500);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        reference = platform::Canvas(760, 500, Ground);
    }
    const QImage& Shown() const { return Form1->ImageStol->canvas().image(); }
    QImage ShownPart(int x, int y, int w, int h) const { return Shown().copy(x, y, w, h); }
    QImage ReferencePart(int x, int y, int w, int h) const { return reference.image().copy(x, y, w, h); }

    std::unique_ptr<TTableSurface> window;
    platform::Canvas reference;
};

} // namespace g4test
