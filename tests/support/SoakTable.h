#pragma once
// The table a group's soak runs on: a bare table surface at 760 x 500, sound on, the
// state reset before and after. A group's soak test derives its parameterised fixture
// from it:  class Group4Soak : public soak::SoakTable<SoakCase> {};  (an unparameterised
// one from soak::SoakTableOn<>).
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/kit/KitCursors.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <memory>

namespace soak {

template <class Base = ::testing::Test>
class SoakTableOn : public Base {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        savedSound = Settings::SoundOn;
        Settings::SoundOn = true;
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        // Some layouts fit the table to the window's client area.
        Form1->SetClientSize(760, 500);
        Form1->ImageStol->setGeometry(0, 0, 760, 500);
        Form1->ImageStol->setPictureSize(760, 500);
        GameState::ApplyZoomForTest(760, 500, 1.0, true);
    }
    void TearDown() override
    {
        Kit::SetScreenCursor(Kit::CursorDefault);
        Celebration::StopWinBalloons();
        Form1 = nullptr;
        window.reset();
        Settings::SoundOn = savedSound;
        GameState::ResetGameState();
    }
    std::unique_ptr<TTableSurface> window;
    bool savedSound = true;
};

template <class Case>
using SoakTable = SoakTableOn<::testing::TestWithParam<Case>>;

} // namespace soak
