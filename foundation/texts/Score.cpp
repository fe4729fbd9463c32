// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtPlayer = En("Player");
const TText TxtRound = En("Round: ");
const TText TxtScore = En("Score");
const TText TxtBullet = En("Bullet:");
const TText TxtMoves = En("Moves:");
const TText TxtVariants = En("Variants");
const TText TxtLCards = En("L-Cards:");
const TText TxtLPacks = En("L-Packs:");
const TText TxtPack = En("Pack:");
const TText TxtVictory = En("Victory!!!");
const TText TxtCameOut = Ten("", "Пасьянс сошёлся!", "", "", "", "", "", "", "", "");
const TText TxtLose = En("Lose!");
const TText TxtNotCameOut = Ten("", "Пасьянс не сошёлся!", "", "", "", "", "", "", "", "");
const TText TxtGeneral = En("General:");
const TText TxtSolitaire = En("Solitaire");
const TText TxtIsUnfinished = En("is unfinished...");

} // namespace Texts
