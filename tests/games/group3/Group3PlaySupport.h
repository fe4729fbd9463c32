#pragma once
// A group-3 round on the bare table surface for the play tests: dealt with a fixed seed,
// started as the player starts it, and the sounds of the start forgotten.
#include "Group3TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundStart.h"
#include "foundation/Shuffle.h"

namespace g3test {

class Group3Play : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        GameState::SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }
    // A dealt round of `game` in move mode `mode` at 760 x 500 x zoom, released by
    // "To Begin" (Picture Gallery: by "Game").
    void Start(int game, int mode, double zoom = 1.0)
    {
        BareTable(mode, int(760 * zoom), int(500 * zoom), zoom);
        GameState::CurrentGameId = game;
        GameState::CurrentGroup = 3;
        GameState::PlayerSlot = 6;
        GameState::SetShuffleSeedForTest(5);
        ASSERT_TRUE(Group3::NewDeal3(false));
        if (game == Group3::PictureGallery)
            RoundStart::BitBtn2Click(*Form1);
        else
            RoundStart::Button7Click(*Form1);
        ASSERT_EQ(GameState::RoundPhase, 2);
        presenter.dialogs.clear();
        Sounds();
        flightSteps = 0;
    }
    static QPoint Mid(int x, int y) { return {x + GameState::CardWidth / 2, y + GameState::CardHeight / 2}; }
    // Whether the table shows the hand with the pointer moved (no button) to `p`.
    bool HandAt(QPoint p)
    {
        Move(p, Qt::NoButton);
        return Form1->ImageStol->cursor().shape() == Kit::CursorOf(Kit::CursorHand).shape();
    }
    // `count` times the same sound, blank-separated.
    static QString Times(const char* sound, int count)
    {
        QStringList l;
        for (int i = 0; i < count; ++i)
            l << QString::fromLatin1(sound);
        return l.join(' ');
    }
};

} // namespace g3test
