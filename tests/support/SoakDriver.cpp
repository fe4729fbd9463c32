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
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
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

namespace {

using namespace GameState;

bool IsCard(const TCardCode& c)
{
    return cards::pictureIndex(c) != 0;
}

QString CardText(const TCardCode& c)
{
    return c.toString();
}

int CardKey(const TCardCode& c)
{
    return IsCard(c) ? (static_cast<unsigned char>(c.rank()) << 8) | static_cast<unsigned char>(c.suit()) : 0;
}

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

void SendMouse(const Event& e)
{
    platform::PictureControl* table = Form1->ImageStol;
    const QPointF local(e.at);
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
                out.push_back({Kind::Press, Qt::LeftButton, a, 0});
                out.push_back({Kind::Move, Qt::NoButton, (a + b) / 2, 0});
                out.push_back({Kind::Move, Qt::NoButton, b, 0});
                out.push_back({Kind::Release, Qt::LeftButton, b, 0});
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
        result.failure = lines.join(QLatin1Char('\n'));
    };

    // The census and the group's checks; an empty text when all holds.
    auto invariants = [&]() -> QString {
        const std::vector<TPlace> places = game.census();
        std::map<int, int> seen;
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
                SendMouse(e);
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
            if (presenter.dialogs.size() == dialogsBefore
                || !presenter.dialogs.mid(dialogsBefore).contains(QStringLiteral("FormCount"))) {
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

// ---- group 1 ----

TSoakGame SoakGroup1()
{
    TSoakGame g;

    g.deal = [] {
        PlayerSlot = 6;
        if (!Group1::NewDeal1(false))
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(19 * 104 + 2 * 104 + 8 * 49 + 4 + 104);
        auto add = [&](const char* area, int index, int slot, const TCardCode& c, int value) {
            out.push_back({area, index, slot, CardKey(c), value});
        };
        for (int p = 1; p <= 19; ++p)
            for (int s = 1; s <= 104; ++s)
                add("pile", p, s, PileCards[p][s], PileValues[p][s]);
        for (int s = 1; s <= 104; ++s)
            add("stock", 0, s, StockCards[s], StockValues[s]);
        for (int s = 1; s <= 104; ++s)
            add("waste", 0, s, WasteCards[s], WasteValues[s]);
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 49; ++s)
                add("foundation", f, s, FoundationCards[f][s], FoundationValues[f][s]);
        for (int c = 1; c <= 4; ++c)
            add("free cell", c, 0, FreeCellCards[c], FreeCellValues[c]);
        // The lift buffer holds cards only while they are lifted; afterwards whatever
        // stayed in it is no card of the table.
        if (DragActive)
            for (int s = 1; s <= 104; ++s)
                add("lift buffer", 0, s, LiftedCards[s], LiftedValues[s]);
        return out;
    };

    g.check = []() -> QString {
        const int game = CurrentGameId;
        const int piles = std::min(LayoutPileCount, 10);
        for (int p = 1; p <= piles; ++p) {
            int count = 0;
            int last = 0;
            bool faceUpSeen = false;
            for (int s = 1; s <= 104; ++s) {
                const TCardCode& c = PileCards[p][s];
                if (!IsCard(c)) {
                    if (s <= SlotCount && PileValues[p][s] != cards::EmptyValue)
                        return QStringLiteral("pile %1 slot %2 is empty but has value %3").arg(p).arg(s).arg(PileValues[p][s]);
                    continue;
                }
                ++count;
                last = s;
                if (game != Group1::FreeCell) {
                    if (PileFaceUp[p][s] == 1)
                        faceUpSeen = true;
                    else if (faceUpSeen)
                        return QStringLiteral("pile %1 has a face-down card in slot %2 above a face-up one").arg(p).arg(s);
                }
            }
            if (count != PileCardCount[p])
                return QStringLiteral("pile %1 holds %2 cards, its count says %3").arg(p).arg(count).arg(PileCardCount[p]);
            if (last != count)
                return QStringLiteral("pile %1 has a gap below slot %2").arg(p).arg(last);
            if (game != Group1::FreeCell && !DragActive && count > 0 && PileFaceUp[p][last] != 1)
                return QStringLiteral("pile %1's top card %2 is face down after the move").arg(p).arg(CardText(PileCards[p][last]));
        }
        for (int p = piles + 1; p <= 19; ++p)
            for (int s = 1; s <= 104; ++s)
                if (IsCard(PileCards[p][s]))
                    return QStringLiteral("pile %1, which the game does not have, holds a card").arg(p);

        auto contiguous = [](const GameState::Cards104& a, int n) {
            for (int s = 1; s <= 104; ++s)
                if (IsCard(a[s]) != (s <= n))
                    return false;
            return true;
        };
        if (Group1::IsVardelin(game) || Group1::IsSpider(game)) {
            if (StockCount < 0 || StockCount > 104 || !contiguous(StockCards, StockCount))
                return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
            if (WasteCount < 1 || WasteCount > 105 || !contiguous(WasteCards, WasteCount - 1))
                return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
        } else if (!contiguous(StockCards, 0) || !contiguous(WasteCards, 0)) {
            return QStringLiteral("a game without stock has cards in the stock or the waste");
        }

        for (int f = 1; f <= 8; ++f) {
            const bool used = f <= LayoutFoundationCount;
            // A next slot of 0 is a foundation no card has reached since start-up.
            const int n = used ? std::max(FoundationNextSlot[f], 1) - 1 : 0;
            if (n < 0 || n > 13)
                return QStringLiteral("foundation %1's next slot is %2").arg(f).arg(FoundationNextSlot[f]);
            for (int s = 1; s <= 49; ++s)
                if (IsCard(FoundationCards[f][s]) != (s <= n))
                    return used ? QStringLiteral("foundation %1 does not hold exactly its %2 cards").arg(f).arg(n)
                                : QStringLiteral("foundation %1, which the game does not have, holds a card").arg(f);
            for (int s = 2; s <= n; ++s) {
                const int step = int(FoundationValues[f][s]) - int(FoundationValues[f][s - 1]);
                if (FoundationCards[f][s].suit() != FoundationCards[f][1].suit() || (step != 1 && step != -1))
                    return QStringLiteral("foundation %1 is out of order at slot %2").arg(f).arg(s);
            }
        }
        if (DragActive) {
            int lifted = 0;
            for (int s = 1; s <= 104; ++s)
                lifted += IsCard(LiftedCards[s]) ? 1 : 0;
            if (lifted == 0)
                return QStringLiteral("a drag is active with nothing lifted (the run shows %1 cards from pile %2)")
                    .arg(DragRun.K)
                    .arg(LiftedFromPile);
            if (lifted != DragRun.K && lifted <= 53)
                return QStringLiteral("%1 cards are lifted but the drag run shows %2").arg(lifted).arg(DragRun.K);
        }
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        auto around = [&](int x, int y, int w, int h) {
            t.push_back({x + w / 2, y + h / 2});
            t.push_back({x + 3, y + 3});
            t.push_back({x + w - 2, y + h - 2});
            t.push_back({x - 2, y + h / 3});
        };
        const int piles = std::min(LayoutPileCount, 10);
        for (int p = 1; p <= piles; ++p) {
            around(SpecialX[p], TopRowY, CardWidth, CardHeight);
            const int top = std::max(1, Group1::LastCardIndex1(PileCards[p]));
            for (int s = 1; s <= top; ++s) {
                const int y = ColumnsTopY + (s - 1) * PileFanStep[p];
                const int h = s == top ? CardHeight : std::max(1, PileFanStep[p]);
                t.push_back({SpecialX[p] + CardWidth / 2, y + h / 2});
                if (s == top)
                    around(SpecialX[p], y, CardWidth, CardHeight);
            }
        }
        if (CurrentGameId == Group1::FreeCell) {
            for (int c = 1; c <= 4; ++c)
                around(FreeCellX[c], FreeCellY, CardWidth, CardHeight);
            for (int f = 1; f <= 4; ++f)
                around(FoundationX[f], FoundationY, CardWidth, CardHeight);
        }
        return t;
    };

    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> toFoundation;
        std::vector<std::pair<QPoint, QPoint>> toPile;
        const int piles = std::min(LayoutPileCount, 10);
        auto slotPoint = [](int p, int s, int top) {
            const int y = ColumnsTopY + (s - 1) * PileFanStep[p];
            const int h = s == top ? CardHeight : std::max(1, std::min(PileFanStep[p], CardHeight));
            return QPoint(SpecialX[p] + CardWidth / 2, y + h / 2);
        };
        for (int p = 1; p <= piles; ++p) {
            const int top = Group1::LastCardIndex1(PileCards[p]);
            for (int s = 1; s <= top; ++s) {
                if (PileFaceUp[p][s] != 1 && CurrentGameId != Group1::FreeCell)
                    continue;
                const TCardCode& card = PileCards[p][s];
                if (s == top)
                    for (int f = 1; f <= std::min(LayoutFoundationCount, 8); ++f)
                        if (Group1::FitsFoundation1(card, f))
                            toFoundation.push_back({slotPoint(p, s, top),
                                                    {Group1::FoundationPlaceX(f) + CardWidth / 2,
                                                     Group1::FoundationPlaceY() + CardHeight / 2}});
                for (int q = 1; q <= piles; ++q) {
                    if (q == p)
                        continue;
                    const int qt = Group1::LastCardIndex1(PileCards[q]);
                    if (qt == 0 && s == 1)
                        continue; // a whole pile onto an empty one gets nowhere
                    if (Group1::FitsTableau1(card, qt == 0 ? cards::Empty : PileCards[q][qt]))
                        toPile.push_back({slotPoint(p, s, top), slotPoint(q, std::max(qt, 1), std::max(qt, 1))});
                }
            }
        }
        toFoundation.insert(toFoundation.end(), toPile.begin(), toPile.end());
        return toFoundation;
    };

    g.buttons = [] {
        std::vector<std::function<void()>> b;
        // While a button is held on the table the table holds the mouse: no action
        // button can be pressed in the middle of a drag.
        if (DragActive)
            return b;
        // The second action button while the game runs (undo, give up); once the game
        // is over it would end the round, which is not table play.
        if (Form1->Button8->isEnabled() && !GameOver)
            b.push_back([] { RoundEnd::Button8Click(*Form1); });
        if (Form1->Button7->isEnabled() && RoundPhase == 2)
            b.push_back([] { RoundStart::Button7Click(*Form1); });
        return b;
    };
    return g;
}

} // namespace soak
