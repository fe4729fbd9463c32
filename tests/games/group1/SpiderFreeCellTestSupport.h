#pragma once
// A laid-out Spider or Free Cell table on a bare surface, driven through the card
// table's dispatch, with the sounds, the windows shown and the card flights recorded.
#include "EngineTestSupport.h"

#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include "app/TableDispatch.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_07_Spider.h"
#include "games/group1/Qyv_10_FreeCell.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "games/kit/KitCursors.h"

#include <QPoint>
#include <QStringList>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace spiderfc_test {

using namespace GameState;
using engine_test::Cd;

// One card flight: where it started and where it landed.
struct Flight {
    QPoint from;
    QPoint to;
};

class TableFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->ImageStol->setPictureSize(760, 500);
        ApplyZoomForTest(760, 500, 1.0, true);
        savedMode = Settings::MoveMode;
        savedSound = Settings::SoundOn;
        Settings::SoundOn = true;
        Settings::MoveMode = 2;
        platform::SeamOverrides seams;
        seams.sleepMs = [](int) {};
        platform::setSeamOverridesForTest(seams);
        Sprite::SetFlightStepListenerForTest([this](int x, int y) {
            // Consecutive steps of one flight lie a pixel apart; a jump starts a new one.
            if (flights.empty() || std::abs(x - flights.back().to.x()) > 1 || std::abs(y - flights.back().to.y()) > 1)
                flights.push_back({QPoint(x, y), QPoint(x, y)});
            else
                flights.back().to = QPoint(x, y);
        });
    }
    void TearDown() override
    {
        Sprite::FreeSprite();
        Sprite::SetFlightStepListenerForTest(nullptr);
        Celebration::StopWinBalloons();
        Kit::SetScreenCursor(Kit::CursorDefault);
        platform::setSeamOverridesForTest({});
        Settings::MoveMode = savedMode;
        Settings::SoundOn = savedSound;
        Form1 = nullptr;
        window.reset();
        ResetGameState();
    }

    // An empty table of `game`, laid out, the round under way.
    void Table(int game)
    {
        engine_test::EmptyTable(game);
        ApplyZoomForTest(760, 500, 1.0, true); // the card size, which the reset cleared
        CurrentGroup = 1;
        LayoutTable();
        LayoutPileCount = game == Group1::FreeCell ? 8 : 10;
        LayoutFoundationCount = game == Group1::FreeCell ? 4 : 8;
        for (int f = 1; f <= 8; ++f)
            FoundationNextSlot[f] = 1;
        for (int p = 1; p <= 10; ++p)
            PileFanStep[p] = Group1::FanStep1(p);
        RoundPhase = 2;
        Form1->Button8->setEnabled(false);
    }
    // Pile p from the bottom up, the lowest `faceDown` face down; fan step set.
    void Pile(int p, std::initializer_list<const char*> cards, int faceDown = 0)
    {
        engine_test::SetPile(p, cards, faceDown);
        PileFanStep[p] = Group1::FanStep1(p);
    }
    void Cell(int c, const char* card)
    {
        FreeCellCards[c] = Cd(card);
        FreeCellValues[c] = engine_test::ValueOf(FreeCellCards[c]);
    }
    // Every free cell filled with cards that go nowhere in the test at hand.
    void FillCells(std::initializer_list<const char*> list)
    {
        int c = 0;
        for (const char* card : list)
            Cell(++c, card);
    }

public:
    // The middle of the top card of pile p (slot 1 of an empty pile).
    QPoint OnTop(int p) const
    {
        const bool freeCell = CurrentGameId == Group1::FreeCell;
        const int s = std::max(1, Group1::LastCardIndex1(PileCards[p]));
        const int x = freeCell ? ColumnX[p] : SpecialX[p];
        const int y = (freeCell ? ColumnTop : ColumnsTopY) + (s - 1) * PileFanStep[p];
        return {x + CardWidth / 2, y + CardHeight / 2};
    }
    // The middle of the visible strip of the covered card in slot s of pile p.
    QPoint OnStrip(int p, int s) const
    {
        return {SpecialX[p] + CardWidth / 2, ColumnsTopY + (s - 1) * PileFanStep[p] + PileFanStep[p] / 2};
    }
    QPoint OnCell(int c) const { return {FreeCellX[c] + CardWidth / 2, FreeCellY + CardHeight / 2}; }
    QPoint OnFoundation(int f) const
    {
        return {Group1::FoundationPlaceX(f) + CardWidth / 2, Group1::FoundationPlaceY() + CardHeight / 2};
    }
    QPoint OnStock() const { return {SpecialX[1] + CardWidth / 2, TopRowY + CardHeight / 2}; }

protected:
    void Press(QPoint a) { TableDispatch::ImageStolMouseDown(platform::mbLeft, 0, a.x(), a.y()); }
    void Move(QPoint a) { TableDispatch::ImageStolMouseMove(*Form1, 0, a.x(), a.y()); }
    void Release(QPoint a) { TableDispatch::ImageStolMouseUp(platform::mbLeft, 0, a.x(), a.y()); }
    void Click(QPoint a)
    {
        Press(a);
        Release(a);
    }
    void Drag(QPoint from, QPoint to)
    {
        Press(from);
        Move(to);
        Release(to);
    }
    // As the window delivers it: press, release, double click, press, release.
    void DoubleClick(QPoint a)
    {
        Press(a);
        Release(a);
        TableDispatch::ImageStolDblClick();
        Press(a);
        Release(a);
    }

    // The names of the sounds played since the last call, without the pick-up sound
    // unless `withDown`.
    QStringList Sounds(bool withDown = false)
    {
        static const char* names[] = {"WavClick",  "WavDown",   "WavCardUp", "WavCancel", "WavStopka",
                                      "WavKoGood", "WavKoBads", "WavFiGood", "WavFiBads", "WavIntro"};
        QStringList out;
        for (const auto& call : sink.calls) {
            if (call.stop)
                continue;
            QString name = QStringLiteral("?");
            for (const char* n : names)
                if (call.wav == platform::resources::find(QString::fromLatin1(n)))
                    name = QString::fromLatin1(n);
            if (withDown || name != QLatin1String("WavDown"))
                out << name;
        }
        sink.calls.clear();
        return out;
    }

    // The card codes of pile p from the bottom up, as UTF-8 text.
    QStringList PileText(int p) const
    {
        QStringList out;
        for (int s = 1; s <= PileCardCount[p]; ++s)
            out << PileCards[p][s].toString();
        return out;
    }

    std::unique_ptr<TTableSurface> window;
    RecordingSoundSink sink;
    testsupport::ScriptedPresenter presenter;
    std::vector<Flight> flights;
    int savedMode = 0;
    bool savedSound = true;
};

} // namespace spiderfc_test
