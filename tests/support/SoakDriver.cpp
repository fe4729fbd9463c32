#include "support/SoakDriver.h"

#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "app/TableDispatch.h"
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <stdexcept>

namespace soak {

QString TPlace::where() const
{
    QString w = QString::fromLatin1(area);
    if (index > 0)
        w += QStringLiteral(" %1").arg(index);
    if (slot > 0)
        w += QStringLiteral(" slot %1").arg(slot);
    return w;
}

using namespace GameState;

bool IsCard(const TCardCode& c)
{
    return cards::pictureIndex(c) != 0;
}

int CardKey(const TCardCode& c)
{
    return IsCard(c) ? (static_cast<unsigned char>(c.rank()) << 8) | static_cast<unsigned char>(c.suit()) : 0;
}

namespace {

QString KeyText(int key)
{
    return TCardCode(static_cast<char>(key >> 8), static_cast<char>(key & 0xff)).toString();
}

// ---- the events ----

enum class Kind { Press, Move, Release, DoubleClick, Button };

struct Event {
    Kind kind = Kind::Move;
    Qt::MouseButton button = Qt::LeftButton;
    QPoint at;
    int buttonIndex = 0;
};

QString Describe(const Event& e)
{
    const char* b = e.button == Qt::LeftButton ? "left" : e.button == Qt::RightButton ? "right" : "middle";
    switch (e.kind) {
    case Kind::Press:
        return QStringLiteral("press %1 at (%2,%3)").arg(QLatin1String(b)).arg(e.at.x()).arg(e.at.y());
    case Kind::Move:
        return QStringLiteral("move to (%1,%2)").arg(e.at.x()).arg(e.at.y());
    case Kind::Release:
        return QStringLiteral("release %1 at (%2,%3)").arg(QLatin1String(b)).arg(e.at.x()).arg(e.at.y());
    case Kind::DoubleClick:
        return QStringLiteral("double click %1 at (%2,%3)").arg(QLatin1String(b)).arg(e.at.x()).arg(e.at.y());
    case Kind::Button:
        return QStringLiteral("action button %1").arg(e.buttonIndex);
    }
    return {};
}

void SendMouse(const Event& e, const TSoakGame& game)
{
    QWidget* table = Form1->ImageStol;
    QPointF local(e.at);
    if (game.otherImageX > 0 && e.at.x() >= game.otherImageX && game.otherImage) {
        table = game.otherImage();
        local.rx() -= game.otherImageX;
    }
    const QPointF global = table->mapToGlobal(local);
    switch (e.kind) {
    case Kind::Press: {
        QMouseEvent ev(QEvent::MouseButtonPress, local, global, e.button, e.button, Qt::NoModifier);
        QCoreApplication::sendEvent(table, &ev);
        break;
    }
    case Kind::DoubleClick: {
        QMouseEvent ev(QEvent::MouseButtonDblClick, local, global, e.button, e.button, Qt::NoModifier);
        QCoreApplication::sendEvent(table, &ev);
        break;
    }
    case Kind::Release: {
        QMouseEvent ev(QEvent::MouseButtonRelease, local, global, e.button, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(table, &ev);
        break;
    }
    case Kind::Move: {
        QMouseEvent ev(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(table, &ev);
        break;
    }
    case Kind::Button:
        break;
    }
}

// Random gestures made of single events, aimed at the game's targets most of the time.
class Gestures {
public:
    Gestures(std::mt19937& rng, const TSoakGame& game) : rng_(rng), game_(game) {}

    // Appends the events of one gesture to `out`.
    void next(std::deque<Event>& out, int buttonCount)
    {
        const int pick = below(100);
        if (pick < 20 && game_.moves) { // a move the rules allow, mostly the first found
            const auto moves = game_.moves();
            if (!moves.empty()) {
                const std::size_t i = below(2) ? 0 : static_cast<std::size_t>(below(static_cast<int>(moves.size())));
                const auto [a, b] = moves[i];
                const bool drag = game_.dragsInEveryMode || (game_.dragsFrom && game_.dragsFrom(a));
                if (Settings::MoveMode != 2 && !drag) { // click the source, then the target
                    out.push_back({Kind::Press, Qt::LeftButton, a, 0});
                    out.push_back({Kind::Release, Qt::LeftButton, a, 0});
                    out.push_back({Kind::Move, Qt::NoButton, b, 0});
                    out.push_back({Kind::Press, Qt::LeftButton, b, 0});
                    out.push_back({Kind::Release, Qt::LeftButton, b, 0});
                    return;
                }
                out.push_back({Kind::Press, Qt::LeftButton, a, 0});
                out.push_back({Kind::Move, Qt::NoButton, (a + b) / 2, 0});
                out.push_back({Kind::Move, Qt::NoButton, b, 0});
                out.push_back({Kind::Release, Qt::LeftButton, b, 0});
                return;
            }
            if (game_.buttonWhenNoMove && buttonCount > 0) {
                out.push_back({Kind::Button, Qt::NoButton, {}, 0});
                return;
            }
        }
        if (pick < 30) { // a drag from a target to another
            const QPoint a = aim();
            const QPoint b = aim();
            out.push_back({Kind::Press, Qt::LeftButton, a, 0});
            const int steps = below(5);
            for (int i = 1; i <= steps; ++i)
                out.push_back({Kind::Move, Qt::NoButton, a + (b - a) * i / (steps + 1), 0});
            out.push_back({Kind::Move, Qt::NoButton, b, 0});
            out.push_back({Kind::Release, Qt::LeftButton, b, 0});
        } else if (pick < 52) { // a click, the release a pixel or two away
            const QPoint a = aim();
            out.push_back({Kind::Press, Qt::LeftButton, a, 0});
            out.push_back({Kind::Release, Qt::LeftButton, a + QPoint(below(5) - 2, below(5) - 2), 0});
        } else if (pick < 67) { // a double click as the window delivers it
            const QPoint a = aim();
            out.push_back({Kind::Press, Qt::LeftButton, a, 0});
            out.push_back({Kind::Release, Qt::LeftButton, a, 0});
            out.push_back({Kind::DoubleClick, Qt::LeftButton, a, 0});
            out.push_back({Kind::Release, Qt::LeftButton, a, 0});
        } else if (pick < 77) { // the pointer wanders
            out.push_back({Kind::Move, Qt::NoButton, below(3) == 0 ? anywhere() : aim(), 0});
        } else if (pick < 82) { // another button
            const QPoint a = aim();
            const Qt::MouseButton b = below(2) ? Qt::RightButton : Qt::MiddleButton;
            out.push_back({Kind::Press, b, a, 0});
            out.push_back({Kind::Release, b, a, 0});
        } else if (pick < 86) { // a release whose press went elsewhere
            out.push_back({Kind::Release, below(4) ? Qt::LeftButton : Qt::RightButton, aim(), 0});
        } else if (pick < 90) { // a press whose release never comes
            out.push_back({Kind::Press, Qt::LeftButton, aim(), 0});
        } else if (pick < 93) { // a double click in the middle of a drag
            const QPoint a = aim();
            out.push_back({Kind::Press, Qt::LeftButton, a, 0});
            out.push_back({Kind::Move, Qt::NoButton, aim(), 0});
            out.push_back({Kind::DoubleClick, Qt::LeftButton, a, 0});
            out.push_back({Kind::Release, Qt::LeftButton, aim(), 0});
        } else if (pick == 93 && buttonCount > 0) { // rare: a give-up ends the deal
            out.push_back({Kind::Button, Qt::NoButton, {}, below(buttonCount)});
        } else { // a drag straight from one pile top onto another
            const QPoint a = aim();
            const QPoint b = aim();
            out.push_back({Kind::Press, Qt::LeftButton, a, 0});
            out.push_back({Kind::Move, Qt::NoButton, b, 0});
            out.push_back({Kind::Release, Qt::LeftButton, b, 0});
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    QPoint anywhere()
    {
        const platform::Canvas& c = Form1->ImageStol->canvas();
        return {below(std::max(1, c.width())), below(std::max(1, c.height()))};
    }

    QPoint aim()
    {
        if (below(10) == 0)
            return anywhere();
        const std::vector<QPoint> t = game_.targets();
        if (t.empty())
            return anywhere();
        return t[static_cast<std::size_t>(below(static_cast<int>(t.size())))];
    }

    std::mt19937& rng_;
    const TSoakGame& game_;
};

QString MoveModeName(int mode)
{
    return mode == 0 ? QStringLiteral("click") : mode == 1 ? QStringLiteral("click and fly")
                                                           : QStringLiteral("drag and drop");
}

int EnvInt(const char* name, int fallback)
{
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const long long n = v.toLongLong(&ok);
    return ok && n > 0 && n <= 100000000 ? static_cast<int>(n) : fallback;
}

} // namespace

int EventsFromEnvironment(int fallback)
{
    return EnvInt("VARDELIN_SOAK_EVENTS", fallback);
}

std::uint32_t SeedFromEnvironment(std::uint32_t fallback)
{
    const QByteArray v = qgetenv("VARDELIN_SOAK_SEED");
    bool ok = false;
    const qulonglong n = v.toULongLong(&ok);
    return ok ? static_cast<std::uint32_t>(n) : fallback;
}

std::vector<std::function<void()>> ActionButtonPresses()
{
    std::vector<std::function<void()>> b;
    if (DragActive)
        return b;
    if (Form1->Button8->isEnabled() && !GameOver)
        b.push_back([] { RoundEnd::Button8Click(*Form1); });
    if (Form1->Button7->isEnabled() && RoundPhase == 2)
        b.push_back([] { RoundStart::Button7Click(*Form1); });
    return b;
}

TSoakResult RunSoak(const TSoakOptions& options, const TSoakGame& game)
{
    TSoakResult result;
    if (!Form1 || !Form1->ImageStol) {
        result.ok = false;
        result.failure = QStringLiteral("no table surface");
        return result;
    }

    // Time moves on by itself: every event takes a random while, so presses fall both
    // within and beyond a second of the previous one. Flights do not wait.
    std::int64_t nowMs = 0;
    const QDateTime dayStart(QDate(2026, 3, 14), QTime(9, 0));
    platform::SeamOverrides seams;
    seams.monotonicNanos = [&] { return static_cast<std::uint64_t>(nowMs) * 1000000u + 1000000000u; };
    seams.currentDateTime = [&] { return dayStart.addMSecs(nowMs); };
    seams.sleepMs = [](int) {};
    platform::setSeamOverridesForTest(seams);

    testsupport::ScriptedPresenter presenter;
    presenter.onDialog = game.onDialog;
    RecordingSoundSink sounds;
    QStringList escaped;
    platform::setEventErrorReporter([&](const QString& m) { escaped << m; });
    TableDispatch::BindTableHandlers(*Form1);

    std::mt19937 rng(options.seed);
    Gestures gestures(rng, game);
    std::deque<Event> pending;
    std::deque<QString> recent;

    std::uint32_t dealSeed = options.seed * 2654435761u;
    GameState::BeforeRedealHookForTest = [&] { SetShuffleSeedForTest(++dealSeed); };

    const int savedMode = Settings::MoveMode;
    int deal = 0;
    int eventInDeal = 0;
    int afterEnd = -1; // events sent since the game ended; -1 while it runs
    std::vector<TPlace> frozen;
    std::map<int, int> packCount;
    std::map<int, int> packValue;
    int lastMoves = 0;
    const int gameCode = options.game;

    auto fail = [&](int event, const QString& what) {
        result.ok = false;
        QStringList lines;
        lines << QStringLiteral("game %1, seed %2 (VARDELIN_SOAK_SEED=%2), deal %3 (move mode %4: %5), event %6: %7")
                     .arg(gameCode)
                     .arg(options.seed)
                     .arg(deal)
                     .arg(Settings::MoveMode)
                     .arg(MoveModeName(Settings::MoveMode))
                     .arg(event)
                     .arg(what);
        lines << QStringLiteral("last events, oldest first:");
        for (const QString& r : recent)
            lines << QStringLiteral("  ") + r;
        lines << QStringLiteral("replay: VARDELIN_SOAK_SEED=%1 VARDELIN_SOAK_EVENTS=%2 %3")
                     .arg(options.seed)
                     .arg(options.events)
                     .arg(options.replay);
        result.failure = lines.join(QLatin1Char('\n'));
    };

    // The census and the group's checks; an empty text when all holds.
    std::vector<TPlace> lastPlaces;
    auto invariants = [&]() -> QString {
        const std::vector<TPlace> places = game.census();
        std::map<int, int> seen;
        for (const TPlace& p : places)
            if (p.card != 0)
                ++seen[p.card];
        // Cards that left since the last event: a judged removal, or lost.
        std::vector<TPlace> left;
        for (const auto& [card, n] : packCount) {
            int missing = n - seen[card];
            for (const TPlace& p : lastPlaces)
                if (missing > 0 && p.card == card) {
                    left.push_back(p);
                    --missing;
                }
        }
        if (!left.empty() && game.judgeLeaving) {
            if (const QString bad = game.judgeLeaving(left); !bad.isEmpty())
                return QStringLiteral("a card left the table illegally: ") + bad;
            for (const TPlace& p : left)
                if (--packCount[p.card] == 0)
                    packCount.erase(p.card);
        }
        lastPlaces = places;
        seen.clear();
        for (const TPlace& p : places) {
            if (p.card == 0)
                continue;
            ++seen[p.card];
            const auto v = packValue.find(p.card);
            if (v == packValue.end())
                return QStringLiteral("%1 holds %2, which is not in the pack").arg(p.where(), KeyText(p.card));
            if (v->second != p.value)
                return QStringLiteral("%1 holds %2 with value %3 instead of %4")
                    .arg(p.where(), KeyText(p.card))
                    .arg(p.value)
                    .arg(v->second);
        }
        if (seen != packCount) {
            QStringList diff;
            for (const auto& [card, n] : packCount)
                if (seen[card] != n)
                    diff << QStringLiteral("%1 seen %2 times of %3").arg(KeyText(card)).arg(seen[card]).arg(n);
            for (const auto& [card, n] : seen)
                if (!packCount.count(card))
                    diff << QStringLiteral("%1 seen %2 times of 0").arg(KeyText(card)).arg(n);
            return QStringLiteral("the pack is not whole: ") + diff.join(QStringLiteral("; "));
        }
        if (game.check) {
            const QString broken = game.check();
            if (!broken.isEmpty())
                return broken;
        }
        // Only between gestures: a double click's move is judged by the release after it.
        if (game.softlock && pending.empty() && !GameOver && !DragActive && RoundPhase == 2) {
            const QString stuck = game.softlock();
            if (!stuck.isEmpty())
                return QStringLiteral("softlock: ") + stuck;
        }
        if (MoveCounter < lastMoves)
            return QStringLiteral("the move counter went down from %1 to %2").arg(lastMoves).arg(MoveCounter);
        lastMoves = MoveCounter;
        return {};
    };

    auto startDeal = [&]() -> bool {
        ++deal;
        ++result.deals;
        Settings::MoveMode = (deal - 1) % 3;
        SetShuffleSeedForTest(++dealSeed);
        presenter.dialogs.clear();
        if (!game.deal())
            return false;
        const std::vector<TPlace> places = game.census();
        packCount.clear();
        packValue.clear();
        for (const TPlace& p : places)
            if (p.card != 0) {
                ++packCount[p.card];
                packValue[p.card] = p.value;
            }
        lastPlaces = places;
        eventInDeal = 0;
        afterEnd = -1;
        lastMoves = MoveCounter;
        pending.clear();
        return true;
    };

    if (!startDeal()) {
        fail(0, QStringLiteral("the first deal failed"));
    }

    for (int n = 1; result.ok && n <= options.events; ++n) {
        if (pending.empty()) {
            const int buttonCount = game.buttons ? static_cast<int>(game.buttons().size()) : 0;
            gestures.next(pending, buttonCount);
        }
        const Event e = pending.front();
        pending.pop_front();
        nowMs += std::uniform_int_distribution<int>(0, 9)(rng) < 7 ? std::uniform_int_distribution<int>(20, 400)(rng)
                                                                   : std::uniform_int_distribution<int>(900, 3000)(rng);
        recent.push_back(QStringLiteral("#%1 %2").arg(n).arg(Describe(e)));
        if (recent.size() > 12)
            recent.pop_front();

        const bool wasOver = GameOver != 0;
        const qsizetype dialogsBefore = presenter.dialogs.size();
        try {
            if (e.kind == Kind::Button) {
                const auto buttons = game.buttons ? game.buttons() : std::vector<std::function<void()>>{};
                if (e.buttonIndex < static_cast<int>(buttons.size()))
                    buttons[static_cast<std::size_t>(e.buttonIndex)]();
            } else {
                SendMouse(e, game);
            }
        } catch (const std::exception& ex) {
            fail(n, QStringLiteral("exception escaped: ") + QString::fromLocal8Bit(ex.what()));
            break;
        }
        ++result.eventsSent;
        sounds.calls.clear();

        if (!escaped.isEmpty()) {
            fail(n, QStringLiteral("a handler threw: ") + escaped.join(QStringLiteral(" | ")));
            break;
        }
        for (const auto& m : presenter.messages)
            if (m.kind == platform::MessageKind::Error) {
                fail(n, QStringLiteral("error message shown: ") + m.text);
                break;
            }
        presenter.messages.clear();
        if (!result.ok)
            break;
        if (Sprite::CurrentSprite && !DragActive) {
            fail(n, QStringLiteral("a drag sprite outlived its drag"));
            break;
        }
        if (GameOver && DragActive) {
            fail(n, QStringLiteral("the game ended with cards still lifted"));
            break;
        }
        if (FlightActive) {
            fail(n, QStringLiteral("a flight is still marked active"));
            break;
        }
        if (const QString broken = invariants(); !broken.isEmpty()) {
            fail(n, broken);
            break;
        }
        if (e.kind == Kind::Release && game.endTestHolds && !wasOver && !GameOver && !DragActive
            && RoundPhase == 2 && game.endTestHolds()) {
            fail(n, QStringLiteral("the won or stuck test holds after the release, but the game goes on"));
            break;
        }
        if (wasOver) {
            if (!GameOver) {
                fail(n, QStringLiteral("a finished game started again"));
                break;
            }
            const std::vector<TPlace> now = game.census();
            bool same = now.size() == frozen.size();
            for (std::size_t i = 0; same && i < now.size(); ++i)
                same = now[i].area == frozen[i].area && now[i].index == frozen[i].index
                    && now[i].slot == frozen[i].slot && now[i].card == frozen[i].card;
            if (!same) {
                fail(n, QStringLiteral("the table of a finished game changed"));
                break;
            }
        } else if (GameOver) {
            ++result.finishedGames;
            if (GameWon)
                ++result.wonGames;
            if (!game.endWindow.isEmpty()
                && (presenter.dialogs.size() == dialogsBefore
                    || !presenter.dialogs.mid(dialogsBefore).contains(game.endWindow))) {
                fail(n, QStringLiteral("the game ended without the score window"));
                break;
            }
            frozen = game.census();
            afterEnd = 0;
        }

        ++eventInDeal;
        if (afterEnd >= 0)
            ++afterEnd;
        const bool dealDone = afterEnd >= options.eventsAfterEnd
            || (afterEnd < 0 && eventInDeal >= options.eventsPerDeal && pending.empty() && !DragActive);
        if (dealDone && n < options.events && !startDeal()) {
            fail(n, QStringLiteral("a new deal failed"));
            break;
        }
    }

    // Leave no drag behind for the next test.
    Sprite::FreeSprite();
    DragActive = 0;
    GameState::BeforeRedealHookForTest = nullptr;
    SetShuffleSeedForTest(std::nullopt);
    Settings::MoveMode = savedMode;
    platform::setEventErrorReporter(nullptr);
    platform::setSeamOverridesForTest({});
    return result;
}

} // namespace soak
