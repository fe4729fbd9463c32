#pragma once
// A group-4 game dealt on the largest table (1520 x 1000, zoom 2) in move mode 0 with
// the sound off, its window made Form1. The caller clears Form1 before the window goes.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_Help2_4.h"

#include <memory>

namespace bench {

inline std::unique_ptr<TTableSurface> Group4BigTable(int game)
{
    ensureApplication();
    Settings::SoundOn = false;
    Settings::MoveMode = 0;
    GameState::CurrentGameId = game;
    GameState::ApplyZoomForTest(1520, 1000, 2.0, true);
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->SetClientSize(1520, 1000);
    CardPictures::TableBackground = QImage(1520, 1000, QImage::Format_RGB32);
    CardPictures::TableBackground.fill(Qt::darkGreen);
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    GameState::LayoutTable();
    CardPictures::RescaleCardPictures();
    Group4::DealTable4();
    return window;
}

} // namespace bench
