#include "foundation/Shuffle.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <vector>

namespace GameState {

namespace {

std::optional<std::uint32_t> fixedSeed;

// The run-time library's linear congruential generator.
class PackRandom {
public:
    explicit PackRandom(std::uint32_t seed) : seed_(seed) {}
    // Uniform 0 .. n - 1.
    int below(int n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint32_t seed_;
};

struct PackCard {
    TCardCode code;
    Byte value;
};

// Value of rank order r ("2" = 0 .. "Т" = 12) in a full pack: two 1 .. king 12, ace 0.
Byte fullPackValue(int r)
{
    return static_cast<Byte>((r + 1) % 13);
}

PackCard cardOf(int rankOrder, int suitOrder, Byte value)
{
    return {TCardCode(cards::RankOrder[rankOrder], cards::SuitOrder[suitOrder]), value};
}

// Pack number p (1-based) of each pack kind. Numbers run through the ranks in value
// order, the ace last, and within a rank through hearts, diamonds, clubs, spades.
PackCard packCard36(int p)
{
    const int rank = 4 + (p - 1) / 4; // "6" .. "Т"
    const Byte value = rank == 12 ? 0 : static_cast<Byte>(rank - 3);
    return cardOf(rank, (p - 1) % 4, value);
}

PackCard packCard52(int p)
{
    const int rank = (p - 1) / 4;
    return cardOf(rank, (p - 1) % 4, fullPackValue(rank));
}

// Every card twice in a row.
PackCard packCard104(int p)
{
    return packCard52((p - 1) / 2 + 1);
}

// Two packs up to the queens, then one king and one ace of each suit.
PackCard packCard96(int p)
{
    if (p <= 88)
        return packCard104(p);
    const int rank = p <= 92 ? 11 : 12;
    return cardOf(rank, (p - 89) % 4, fullPackValue(rank));
}

std::uint32_t shuffleSeed()
{
    if (fixedSeed)
        return *fixedSeed;
    return static_cast<std::uint32_t>(platform::monotonicNanos() & 0xFFFFFFFFu);
}

void shuffle(int n, PackCard (*packCard)(int))
{
    PackRandom random(shuffleSeed());
    // a[1..n] stay 0; a[n + 1 .. 2n] become a permutation of 1..n, each draw repeated
    // until it differs from the n entries before it.
    std::vector<int> a(2 * n + 1, 0);
    for (int k = n + 1; k <= 2 * n; ++k) {
        bool fresh;
        do {
            a[k] = random.below(n) + 1;
            fresh = true;
            for (int j = k - 1; j >= k - n; --j) {
                if (a[j] == a[k]) {
                    fresh = false;
                    break;
                }
            }
        } while (!fresh);
    }
    for (int k = 1; k <= n; ++k) {
        const PackCard c = packCard(a[n + k]);
        DealCards[k] = c.code;
        DealValues[k] = c.value;
    }
}

void hide(QWidget* w)
{
    if (w)
        w->setVisible(false);
}

} // namespace

void ShuffleDeck36() { shuffle(36, packCard36); }
void ShuffleDeck52() { shuffle(52, packCard52); }
void ShuffleDeck96() { shuffle(96, packCard96); }
void ShuffleDeck104() { shuffle(104, packCard104); }

void SetShuffleSeedForTest(std::optional<std::uint32_t> seed)
{
    fixedSeed = seed;
}

void HideTableControls()
{
    if (!Form1)
        return;
    if (Form1->Timer1)
        Form1->Timer1->setInterval(20);
    TTableSurface& f = *Form1;
    QWidget* const tableControls[] = {
        f.Button7, f.Button8, f.ImageStol, f.ImageRamka, f.ImageKoloda, f.ImageStol2,
        f.ImageKon, f.ImageTuzi, f.ImageTablo2, f.ImageHelp, f.BitBtn1, f.BitBtn2,
    };
    for (QWidget* w : tableControls)
        hide(w);
}

} // namespace GameState
