#pragma once
// Table set-ups for the group-2 engine tests: an emptied table of one game, cards
// written by their readable codes, and an offscreen table surface for the painters.
#include "foundation/CardCode.h"
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <QString>
#include <initializer_list>
#include <memory>

namespace group2_test {

// "9ч" -> the code page 1251 card code.
inline TCardCode Cd(const char* utf8) { return TCardCode::fromString(QString::fromUtf8(utf8)); }

// Value byte of a card as the 52-card shuffle gives it: ace 0, two 1 .. king 12.
inline GameState::Byte ValueOf(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank()); // "2" = 0 .. "К" = 11, "Т" = 12
    return static_cast<GameState::Byte>(order == 12 ? 0 : order + 1);
}

// Every area emptied, the counters at "empty", the game chosen, the table at 760 x 500.
inline void EmptyTable(int game)
{
    using namespace GameState;
    ResetGameState();
    ApplyZoomForTest(760, 500, 1.0, true);
    CurrentGameId = game;
    CurrentGroup = 2;
    ClearCards(PileCards, PileValues);
    ClearCards(PileCards2, PileValues2);
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    for (int p = 1; p <= 16; ++p)
        PileCounts[p] = 1;
    for (int f = 1; f <= 8; ++f)
        FoundationCounts[f] = 1;
    StockCount = 0;
    WasteCount = 1;
    ExtraPileCount = 1;
}

// Pile p bottom first; its next-free counter set.
inline void SetPile(int p, std::initializer_list<const char*> list)
{
    using namespace GameState;
    for (int s = 1; s <= 104; ++s) {
        PileCards[p][s] = cards::Empty;
        PileValues[p][s] = cards::EmptyValue;
    }
    int s = 0;
    for (const char* c : list) {
        ++s;
        PileCards[p][s] = Cd(c);
        PileValues[p][s] = ValueOf(PileCards[p][s]);
    }
    PileCounts[p] = s + 1;
}

inline void SetFoundation(int f, std::initializer_list<const char*> list)
{
    using namespace GameState;
    int s = 0;
    for (const char* c : list) {
        ++s;
        FoundationCards[f][s] = Cd(c);
        FoundationValues[f][s] = ValueOf(FoundationCards[f][s]);
    }
    FoundationCounts[f] = s + 1;
}

// The waste bottom first, its counter (WasteCount in Golf, ExtraPileCount otherwise) set.
inline void SetWaste(std::initializer_list<const char*> list)
{
    using namespace GameState;
    int s = 0;
    for (const char* c : list) {
        ++s;
        WasteCards[s] = Cd(c);
        WasteValues[s] = ValueOf(WasteCards[s]);
    }
    if (Group2::IsGolf(CurrentGameId))
        WasteCount = s + 1;
    else
        ExtraPileCount = s + 1;
}

// A Golf place (layer 1 outside Block).
inline void SetGolf(int p, int k, const char* card, bool up, int l = 1)
{
    Group2::GolfCard2(p, k, l) = Cd(card);
    Group2::GolfValue2(p, k, l) = ValueOf(Cd(card));
    Group2::GolfFaceUp2(p, k, l) = up ? 1 : 0;
}

inline void SetStockCount(int n)
{
    using namespace GameState;
    for (int s = 1; s <= 104; ++s) {
        StockCards[s] = s <= n ? Cd("5к") : cards::Empty;
        StockValues[s] = s <= n ? 4 : cards::EmptyValue;
    }
    StockCount = n;
}

// A bare table surface with a flat background, laid out for a game at a window size.
class TableFixture : public ::testing::Test {
protected:
    static constexpr platform::TColor Ground = 0x30A050;

    void SetUp() override
    {
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        CardPictures::TableBackground = QImage();
        GameState::ApplyZoomForTest(760, 500, 1.0, true);
        GameState::ResetGameState();
    }

    // The game's table at width x height (zoom), the image holding the background, a
    // reference canvas holding the same.
    void Table(int game, int width = 760, int height = 500, double zoom = 1.0)
    {
        EmptyTable(game);
        GameState::ApplyZoomForTest(width, height, zoom, true);
        CardPictures::TableBackground = QImage(width, height, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(Ground));
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        Form1->SetClientSize(width, height); // the Golf layouts fit the table to the window
        GameState::LayoutTable();
        Form1->ImageStol->setPictureSize(width, height);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        reference = platform::Canvas(width, height, Ground);
    }
    const QImage& Shown() { return Form1->ImageStol->canvas().image(); }
    void DrawFaceAt(int x, int y, const char* code) { CardDrawing::DrawCardFace(x, y, Cd(code), reference); }

    std::unique_ptr<TTableSurface> window;
    platform::Canvas reference;
};

} // namespace group2_test
