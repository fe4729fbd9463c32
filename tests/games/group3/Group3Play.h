#pragma once
// A dealt group-3 round played through real mouse events on the bare table surface:
// the deal of a fixed seed in a chosen move mode, released by "To Begin".
#include "Group3TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundStart.h"
#include "foundation/Shuffle.h"

namespace g3test {

class Group3Play : public testsupport::PlayTable {
protected:
    void SetUp() override
    {
        PlayTable::SetUp();
        // Plain shapes, so a test can tell the hand from the arrow.
        Kit::HandCursorSet = [](int) { return QCursor(Qt::PointingHandCursor); };
        Kit::ArrowCursorSet = [](int) { return QCursor(Qt::ArrowCursor); };
    }
    void TearDown() override
    {
        Kit::HandCursorSet = nullptr;
        Kit::ArrowCursorSet = nullptr;
        GameState::SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }
    void Start(int game, int mode, double zoom = 1.0)
    {
        using namespace GameState;
        Celebration::StopWinBalloons();
        BareTable(mode, int(760 * zoom), int(500 * zoom), zoom);
        CurrentGameId = game;
        CurrentGroup = 3;
        PlayerSlot = 6;
        GameState::SetShuffleSeedForTest(5);
        ASSERT_TRUE(Group3::NewDeal3(false));
        // Picture Gallery starts by "Game", the others by "To Begin".
        if (game == Group3::PictureGallery)
            RoundStart::BitBtn2Click(*Form1);
        else
            RoundStart::Button7Click(*Form1);
        ASSERT_EQ(RoundPhase, 2);
        presenter.dialogs.clear();
        Sounds();
        flightSteps = 0;
    }
    // A card's middle at its top-left corner (x, y).
    static QPoint At(int x, int y) { return {x + GameState::CardWidth / 2, y + GameState::CardHeight / 2}; }
    // A move in the current mode: a drag, or a click on the source and one on the target.
    void Play(QPoint from, QPoint to)
    {
        if (Settings::MoveMode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }
    QString Hint() const { return Form1->ImageStol->toolTip(); }
    bool HandOnTable() const { return Form1->ImageStol->cursor().shape() == Qt::PointingHandCursor; }
    static QPoint Mid(int x, int y) { return At(x, y); }
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
