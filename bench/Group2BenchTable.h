#pragma once
// A dealt group-2 table at 1520 x 1000 on a bare table surface, sound off, the round
// being played: what the group-2 play benchmarks start from.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
#include "platform/PictureControl.h"

#include <memory>

namespace bench {

inline std::unique_ptr<TTableSurface> Group2Table1520(int game, int moveMode)
{
    using namespace GameState;
    ensureApplication();
    CurrentGameId = game;
    ApplyZoomForTest(1520, 1000, 2.0, true);
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    Settings::MoveMode = moveMode;
    Settings::SoundOn = false;
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->SetClientSize(1520, 1000);
    LayoutTable();
    Form1->ImageStol->setPictureSize(1520, 1000);
    Group2::DealTable2();
    RoundPhase = 2;
    return window;
}

} // namespace bench
