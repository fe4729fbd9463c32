// Score window and the info panels of the games.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtPlayer = Ten(
    "Player",                                      // Eng
    "Игрок",                                       // Rus
    "Spieler",                                     // Deu
    "Joueur",                                      // Fra
    "Jugador",                                     // Spa
    "玩家",                                        // Chi
    "Giocatore",                                   // Ita
    "Hráč",                                        // Cze
    "プレイヤー",                                  // Jap
    "플레이어");                                    // Kor

const TText TxtRound = Ten(
    "Round: ",                                     // Eng
    "Раунд: ",                                     // Rus
    "Runde: ",                                     // Deu
    "Manche : ",                                   // Fra
    "Ronda: ",                                     // Spa
    "局数：",                                      // Chi
    "Turno: ",                                     // Ita
    "Kolo: ",                                      // Cze
    "ラウンド: ",                                  // Jap
    "라운드: ");                                    // Kor

// shown with ":" appended
const TText TxtScore = Ten(
    "Score",                                       // Eng
    "Очки",                                        // Rus
    "Punkte",                                      // Deu
    "Points",                                      // Fra
    "Puntos",                                      // Spa
    "得分",                                        // Chi
    "Punti",                                       // Ita
    "Body",                                        // Cze
    "得点",                                        // Jap
    "점수");                                        // Kor

// the pass through the stock
const TText TxtBullet = Ten(
    "Bullet:",                                     // Eng
    "Круг:",                                       // Rus
    "Durchgang:",                                  // Deu
    "Passe :",                                     // Fra
    "Pasada:",                                     // Spa
    "轮次：",                                      // Chi
    "Giro:",                                       // Ita
    "Průchod:",                                    // Cze
    "周回:",                                       // Jap
    "회차:");                                       // Kor

const TText TxtMoves = Ten(
    "Moves:",                                      // Eng
    "Ходы:",                                       // Rus
    "Züge:",                                       // Deu
    "Coups :",                                     // Fra
    "Movimientos:",                                // Spa
    "步数：",                                      // Chi
    "Mosse:",                                      // Ita
    "Tahy:",                                       // Cze
    "手数:",                                       // Jap
    "이동:");                                       // Kor

// the moves still possible; shown with ":" appended
const TText TxtVariants = Ten(
    "Variants",                                    // Eng
    "Варианты",                                    // Rus
    "Varianten",                                   // Deu
    "Possibilités",                                // Fra
    "Jugadas",                                     // Spa
    "可走步",                                      // Chi
    "Varianti",                                    // Ita
    "Varianty",                                    // Cze
    "候補",                                        // Jap
    "가능한 수");                                   // Kor

const TText TxtLCards = Ten(
    "L-Cards:",                                    // Eng
    "Ост. карт:",                                  // Rus
    "Rest-Karten:",                                // Deu
    "Cartes rest. :",                              // Fra
    "Cartas rest.:",                               // Spa
    "剩余牌：",                                    // Chi
    "Carte rest.:",                                // Ita
    "Zbývá karet:",                                // Cze
    "残りカード:",                                 // Jap
    "남은 카드:");                                  // Kor

const TText TxtLPacks = Ten(
    "L-Packs:",                                    // Eng
    "Ост. колод:",                                 // Rus
    "Rest-Stapel:",                                // Deu
    "Paquets rest. :",                             // Fra
    "Mazos rest.:",                                // Spa
    "剩余副数：",                                  // Chi
    "Mazzi rest.:",                                // Ita
    "Zbývá balíčků:",                              // Cze
    "残りパック:",                                 // Jap
    "남은 덱:");                                    // Kor

const TText TxtPack = Ten(
    "Pack:",                                       // Eng
    "Колода:",                                     // Rus
    "Stapel:",                                     // Deu
    "Paquet :",                                    // Fra
    "Mazo:",                                       // Spa
    "牌堆：",                                      // Chi
    "Mazzo:",                                      // Ita
    "Balíček:",                                    // Cze
    "山札:",                                       // Jap
    "덱:");                                         // Kor

const TText TxtVictory = Ten(
    "Victory!!!",                                  // Eng
    "Победа!!!",                                   // Rus
    "Sieg!!!",                                     // Deu
    "Victoire !!!",                                // Fra
    "¡¡¡Victoria!!!",                              // Spa
    "胜利！！！",                                  // Chi
    "Vittoria!!!",                                 // Ita
    "Vítězství!!!",                                // Cze
    "勝利！！！",                                  // Jap
    "승리!!!");                                     // Kor

// the second line after a win: Russian only
const TText TxtCameOut = Ten(
    "",                                            // Eng
    "Сошёлся!",                                    // Rus
    "",                                            // Deu
    "",                                            // Fra
    "",                                            // Spa
    "",                                            // Chi
    "",                                            // Ita
    "",                                            // Cze
    "",                                            // Jap
    "");                                            // Kor

const TText TxtLose = Ten(
    "Lose!",                                       // Eng
    "Проигрыш!",                                   // Rus
    "Verloren!",                                   // Deu
    "Perdu !",                                     // Fra
    "¡Derrota!",                                   // Spa
    "失败！",                                      // Chi
    "Sconfitta!",                                  // Ita
    "Prohra!",                                     // Cze
    "敗北！",                                      // Jap
    "패배!");                                       // Kor

// the second line after a loss: Russian only
const TText TxtNotCameOut = Ten(
    "",                                            // Eng
    "Не сошёлся!",                                 // Rus
    "",                                            // Deu
    "",                                            // Fra
    "",                                            // Spa
    "",                                            // Chi
    "",                                            // Ita
    "",                                            // Cze
    "",                                            // Jap
    "");                                            // Kor

const TText TxtGeneral = Ten(
    "General:",                                    // Eng
    "Итого:",                                      // Rus
    "Gesamt:",                                     // Deu
    "Total :",                                     // Fra
    "Total:",                                      // Spa
    "总计：",                                      // Chi
    "Totale:",                                     // Ita
    "Celkem:",                                     // Cze
    "合計:",                                       // Jap
    "합계:");                                       // Kor

// first line of the right board during a game; the next table is the second
const TText TxtSolitaire = Ten(
    "Solitaire",                                   // Eng
    "Пасьянс",                                     // Rus
    "Die Patience",                                // Deu
    "La réussite",                                 // Fra
    "El solitario",                                // Spa
    "牌局",                                        // Chi
    "Il solitario",                                // Ita
    "Pasiáns",                                     // Cze
    "ソリティアは",                                // Jap
    "솔리테어가");                                  // Kor

const TText TxtIsUnfinished = Ten(
    "is unfinished...",                            // Eng
    "не закончен...",                              // Rus
    "ist nicht beendet...",                        // Deu
    "n'est pas finie...",                          // Fra
    "no ha terminado...",                          // Spa
    "尚未结束...",                                 // Chi
    "non è finito...",                             // Ita
    "není dohrán...",                              // Cze
    "まだ終わっていません...",                     // Jap
    "아직 끝나지 않았습니다...");                   // Kor

} // namespace Texts
