// The names of the fifty games, in the order of the game numbers.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TTextList<50, 1> GameNames = List<1>(
    // GameNames[1]
    Ten(
        "Vardelin-Solo",                               // Eng
        "Варделин-соло",                               // Rus
        "Vardelin-Solo",                               // Deu
        "Vardelin solo",                               // Fra
        "Vardelin solo",                               // Spa
        "瓦尔德林单副",                                // Chi
        "Vardelin solo",                               // Ita
        "Vardelin sólo",                               // Cze
        "ヴァルデリン・ソロ",                          // Jap
        "바르델린 솔로"),                               // Kor
    // GameNames[2]
    Ten(
        "Vardelin-Duo",                                // Eng
        "Варделин-дуо",                                // Rus
        "Vardelin-Duo",                                // Deu
        "Vardelin duo",                                // Fra
        "Vardelin dúo",                                // Spa
        "瓦尔德林双副",                                // Chi
        "Vardelin duo",                                // Ita
        "Vardelin duo",                                // Cze
        "ヴァルデリン・デュオ",                        // Jap
        "바르델린 듀오"),                               // Kor
    // GameNames[3]
    Ten(
        "Yukon-Solo",                                  // Eng
        "Юкон-соло",                                   // Rus
        "Yukon-Solo",                                  // Deu
        "Yukon solo",                                  // Fra
        "Yukón solo",                                  // Spa
        "育空单副",                                    // Chi
        "Yukon solo",                                  // Ita
        "Yukon sólo",                                  // Cze
        "ユーコン・ソロ",                              // Jap
        "유콘 솔로"),                                   // Kor
    // GameNames[4]
    Ten(
        "Yukon-Duo",                                   // Eng
        "Юкон-дуо",                                    // Rus
        "Yukon-Duo",                                   // Deu
        "Yukon duo",                                   // Fra
        "Yukón dúo",                                   // Spa
        "育空双副",                                    // Chi
        "Yukon duo",                                   // Ita
        "Yukon duo",                                   // Cze
        "ユーコン・デュオ",                            // Jap
        "유콘 듀오"),                                   // Kor
    // GameNames[5]
    Ten(
        "Scorpion-Solo",                               // Eng
        "Скорпион-соло",                               // Rus
        "Skorpion-Solo",                               // Deu
        "Scorpion solo",                               // Fra
        "Escorpión solo",                              // Spa
        "蝎子单副",                                    // Chi
        "Scorpione solo",                              // Ita
        "Štír sólo",                                   // Cze
        "スコーピオン・ソロ",                          // Jap
        "스콜피온 솔로"),                               // Kor
    // GameNames[6]
    Ten(
        "Scorpion-Duo",                                // Eng
        "Скорпион-дуо",                                // Rus
        "Skorpion-Duo",                                // Deu
        "Scorpion duo",                                // Fra
        "Escorpión dúo",                               // Spa
        "蝎子双副",                                    // Chi
        "Scorpione duo",                               // Ita
        "Štír duo",                                    // Cze
        "スコーピオン・デュオ",                        // Jap
        "스콜피온 듀오"),                               // Kor
    // GameNames[7]
    Ten(
        "Spider-Solo",                                 // Eng
        "Паук — 1 масть",                              // Rus
        "Spider – 1 Farbe",                            // Deu
        "Spider 1 couleur",                            // Fra
        "Spider 1 palo",                               // Spa
        "蜘蛛纸牌 单色",                               // Chi
        "Spider 1 seme",                               // Ita
        "Pavouk 1 barva",                              // Cze
        "スパイダー 1スート",                          // Jap
        "스파이더 1무늬"),                              // Kor
    // GameNames[8]
    Ten(
        "Spider-Duo",                                  // Eng
        "Паук — 2 масти",                              // Rus
        "Spider – 2 Farben",                           // Deu
        "Spider 2 couleurs",                           // Fra
        "Spider 2 palos",                              // Spa
        "蜘蛛纸牌 双色",                               // Chi
        "Spider 2 semi",                               // Ita
        "Pavouk 2 barvy",                              // Cze
        "スパイダー 2スート",                          // Jap
        "스파이더 2무늬"),                              // Kor
    // GameNames[9]
    Ten(
        "Spider-Quartet",                              // Eng
        "Паук — 4 масти",                              // Rus
        "Spider – 4 Farben",                           // Deu
        "Spider 4 couleurs",                           // Fra
        "Spider 4 palos",                              // Spa
        "蜘蛛纸牌 四色",                               // Chi
        "Spider 4 semi",                               // Ita
        "Pavouk 4 barvy",                              // Cze
        "スパイダー 4スート",                          // Jap
        "스파이더 4무늬"),                              // Kor
    // GameNames[10]
    Ten(
        "Free Cell",                                   // Eng
        "Свободная ячейка",                            // Rus
        "FreeCell",                                    // Deu
        "FreeCell",                                    // Fra
        "Carta blanca",                                // Spa
        "空当接龙",                                    // Chi
        "FreeCell",                                    // Ita
        "FreeCell",                                    // Cze
        "フリーセル",                                  // Jap
        "프리셀"),                                      // Kor
    // GameNames[11]
    Ten(
        "Golf - Peak",                                 // Eng
        "Гольф — Пик",                                 // Rus
        "Golf – Gipfel",                               // Deu
        "Golf – Sommet",                               // Fra
        "Golf – Cumbre",                               // Spa
        "高尔夫 - 山峰",                               // Chi
        "Golf – Vetta",                                // Ita
        "Golf – Vrchol",                               // Cze
        "ゴルフ - ピーク",                             // Jap
        "골프 - 봉우리"),                               // Kor
    // GameNames[12]
    Ten(
        "Golf - Three Peaks",                          // Eng
        "Гольф — Три пика",                            // Rus
        "Golf – Drei Gipfel",                          // Deu
        "Golf – Trois sommets",                        // Fra
        "Golf – Tres cumbres",                         // Spa
        "高尔夫 - 三峰",                               // Chi
        "Golf – Tre vette",                            // Ita
        "Golf – Tři vrcholy",                          // Cze
        "ゴルフ - トライピークス",                     // Jap
        "골프 - 세 봉우리"),                            // Kor
    // GameNames[13]
    Ten(
        "Golf - Rug",                                  // Eng
        "Гольф — Коврик",                              // Rus
        "Golf – Teppich",                              // Deu
        "Golf – Tapis",                                // Fra
        "Golf – Alfombra",                             // Spa
        "高尔夫 - 地毯",                               // Chi
        "Golf – Tappeto",                              // Ita
        "Golf – Kobereček",                            // Cze
        "ゴルフ - ラグ",                               // Jap
        "골프 - 양탄자"),                               // Kor
    // GameNames[14]
    Ten(
        "Golf - Diamond",                              // Eng
        "Гольф — Ромб",                                // Rus
        "Golf – Raute",                                // Deu
        "Golf – Losange",                              // Fra
        "Golf – Rombo",                                // Spa
        "高尔夫 - 菱形",                               // Chi
        "Golf – Rombo",                                // Ita
        "Golf – Kosočtverec",                          // Cze
        "ゴルフ - ダイヤ",                             // Jap
        "골프 - 다이아몬드"),                           // Kor
    // GameNames[15]
    Ten(
        "Golf - Block",                                // Eng
        "Гольф — Блок",                                // Rus
        "Golf – Klotz",                                // Deu
        "Golf – Bloc",                                 // Fra
        "Golf – Bloque",                               // Spa
        "高尔夫 - 方块",                               // Chi
        "Golf – Blocco",                               // Ita
        "Golf – Blok",                                 // Cze
        "ゴルフ - ブロック",                           // Jap
        "골프 - 블록"),                                 // Kor
    // GameNames[16]
    Ten(
        "Tulip",                                       // Eng
        "Тюльпан",                                     // Rus
        "Tulpe",                                       // Deu
        "Tulipe",                                      // Fra
        "Tulipán",                                     // Spa
        "郁金香",                                      // Chi
        "Tulipano",                                    // Ita
        "Tulipán",                                     // Cze
        "チューリップ",                                // Jap
        "튤립"),                                        // Kor
    // GameNames[17]
    Ten(
        "Blue Tulip",                                  // Eng
        "Голубой тюльпан",                             // Rus
        "Blaue Tulpe",                                 // Deu
        "Tulipe bleue",                                // Fra
        "Tulipán azul",                                // Spa
        "蓝色郁金香",                                  // Chi
        "Tulipano blu",                                // Ita
        "Modrý tulipán",                               // Cze
        "青いチューリップ",                            // Jap
        "파란 튤립"),                                   // Kor
    // GameNames[18]
    Ten(
        "Paganini",                                    // Eng
        "Паганини",                                    // Rus
        "Paganini",                                    // Deu
        "Paganini",                                    // Fra
        "Paganini",                                    // Spa
        "帕格尼尼",                                    // Chi
        "Paganini",                                    // Ita
        "Paganini",                                    // Cze
        "パガニーニ",                                  // Jap
        "파가니니"),                                    // Kor
    // GameNames[19]
    Ten(
        "Pairs",                                       // Eng
        "Пары",                                        // Rus
        "Paare",                                       // Deu
        "Paires",                                      // Fra
        "Parejas",                                     // Spa
        "配对",                                        // Chi
        "Coppie",                                      // Ita
        "Páry",                                        // Cze
        "ペア",                                        // Jap
        "짝 맞추기"),                                   // Kor
    // GameNames[20]
    Ten(
        "Wish",                                        // Eng
        "Желание",                                     // Rus
        "Wunsch",                                      // Deu
        "Vœu",                                         // Fra
        "Deseo",                                       // Spa
        "心愿",                                        // Chi
        "Desiderio",                                   // Ita
        "Přání",                                       // Cze
        "願い事",                                      // Jap
        "소원"),                                        // Kor
    // GameNames[21]
    Ten(
        "Monte Carlo",                                 // Eng
        "Монте-Карло",                                 // Rus
        "Monte Carlo",                                 // Deu
        "Monte-Carlo",                                 // Fra
        "Montecarlo",                                  // Spa
        "蒙特卡洛",                                    // Chi
        "Montecarlo",                                  // Ita
        "Monte Carlo",                                 // Cze
        "モンテカルロ",                                // Jap
        "몬테카를로"),                                  // Kor
    // GameNames[22]
    Ten(
        "Monte Carlo by Suit",                         // Eng
        "Монте-Карло по мастям",                       // Rus
        "Monte Carlo nach Farben",                     // Deu
        "Monte-Carlo par couleur",                     // Fra
        "Montecarlo por palos",                        // Spa
        "同花色蒙特卡洛",                              // Chi
        "Montecarlo per seme",                         // Ita
        "Monte Carlo podle barev",                     // Cze
        "モンテカルロ（同スート）",                    // Jap
        "몬테카를로 같은 무늬"),                        // Kor
    // GameNames[23]
    Ten(
        "Pyramid",                                     // Eng
        "Пирамида",                                    // Rus
        "Pyramide",                                    // Deu
        "Pyramide",                                    // Fra
        "Pirámide",                                    // Spa
        "金字塔",                                      // Chi
        "Piramide",                                    // Ita
        "Pyramida",                                    // Cze
        "ピラミッド",                                  // Jap
        "피라미드"),                                    // Kor
    // GameNames[24]
    Ten(
        "Pyramid-Infinity",                            // Eng
        "Бесконечная пирамида",                        // Rus
        "Endlose Pyramide",                            // Deu
        "Pyramide infinie",                            // Fra
        "Pirámide infinita",                           // Spa
        "无尽金字塔",                                  // Chi
        "Piramide infinita",                           // Ita
        "Nekonečná pyramida",                          // Cze
        "無限ピラミッド",                              // Jap
        "무한 피라미드"),                               // Kor
    // GameNames[25]
    Ten(
        "Open Pyramid",                                // Eng
        "Открытая пирамида",                           // Rus
        "Offene Pyramide",                             // Deu
        "Pyramide ouverte",                            // Fra
        "Pirámide abierta",                            // Spa
        "明牌金字塔",                                  // Chi
        "Piramide aperta",                             // Ita
        "Otevřená pyramida",                           // Cze
        "オープン・ピラミッド",                        // Jap
        "열린 피라미드"),                               // Kor
    // GameNames[26]
    Ten(
        "Diamond Infinity",                            // Eng
        "Бесконечный ромб",                            // Rus
        "Endlose Raute",                               // Deu
        "Losange infini",                              // Fra
        "Rombo infinito",                              // Spa
        "无尽菱形",                                    // Chi
        "Rombo infinito",                              // Ita
        "Nekonečný kosočtverec",                       // Cze
        "無限ダイヤ",                                  // Jap
        "무한 다이아몬드"),                             // Kor
    // GameNames[27]
    Ten(
        "Open Diamond",                                // Eng
        "Открытый ромб",                               // Rus
        "Offene Raute",                                // Deu
        "Losange ouvert",                              // Fra
        "Rombo abierto",                               // Spa
        "明牌菱形",                                    // Chi
        "Rombo aperto",                                // Ita
        "Otevřený kosočtverec",                        // Cze
        "オープン・ダイヤ",                            // Jap
        "열린 다이아몬드"),                             // Kor
    // GameNames[28]
    Ten(
        "Crescent",                                    // Eng
        "Полумесяц",                                   // Rus
        "Halbmond",                                    // Deu
        "Croissant",                                   // Fra
        "Media luna",                                  // Spa
        "新月",                                        // Chi
        "Mezzaluna",                                   // Ita
        "Půlměsíc",                                    // Cze
        "三日月",                                      // Jap
        "초승달"),                                      // Kor
    // GameNames[29]
    Ten(
        "Open Crescent",                               // Eng
        "Открытый полумесяц",                          // Rus
        "Offener Halbmond",                            // Deu
        "Croissant ouvert",                            // Fra
        "Media luna abierta",                          // Spa
        "明牌新月",                                    // Chi
        "Mezzaluna aperta",                            // Ita
        "Otevřený půlměsíc",                           // Cze
        "オープン三日月",                              // Jap
        "열린 초승달"),                                 // Kor
    // GameNames[30]
    Ten(
        "Fun Deuces",                                  // Eng
        "Весёлые двойки",                              // Rus
        "Lustige Zweier",                              // Deu
        "Deux joyeux",                                 // Fra
        "Doses alegres",                               // Spa
        "欢乐的二",                                    // Chi
        "Due allegri",                                 // Ita
        "Veselé dvojky",                               // Cze
        "楽しい2",                                     // Jap
        "즐거운 2"),                                    // Kor
    // GameNames[31]
    Ten(
        "Napoleon Square",                             // Eng
        "Квадрат Наполеона",                           // Rus
        "Napoleons Quadrat",                           // Deu
        "Carré de Napoléon",                           // Fra
        "Cuadrado de Napoleón",                        // Spa
        "拿破仑方阵",                                  // Chi
        "Quadrato di Napoleone",                       // Ita
        "Napoleonův čtverec",                          // Cze
        "ナポレオンの正方形",                          // Jap
        "나폴레옹 스퀘어"),                             // Kor
    // GameNames[32]
    Ten(
        "Book",                                        // Eng
        "Книга",                                       // Rus
        "Buch",                                        // Deu
        "Livre",                                       // Fra
        "Libro",                                       // Spa
        "书本",                                        // Chi
        "Libro",                                       // Ita
        "Kniha",                                       // Cze
        "ブック",                                      // Jap
        "책"),                                          // Kor
    // GameNames[33]
    Ten(
        "Picture Gallery",                             // Eng
        "Картинная галерея",                           // Rus
        "Bildergalerie",                               // Deu
        "Galerie de tableaux",                         // Fra
        "Galería de cuadros",                          // Spa
        "画廊",                                        // Chi
        "Pinacoteca",                                  // Ita
        "Obrazárna",                                   // Cze
        "絵画ギャラリー",                              // Jap
        "화랑"),                                        // Kor
    // GameNames[34]
    Ten(
        "Desire",                                      // Eng
        "Мечта",                                       // Rus
        "Sehnsucht",                                   // Deu
        "Désir",                                       // Fra
        "Anhelo",                                      // Spa
        "渴望",                                        // Chi
        "Brama",                                       // Ita
        "Touha",                                       // Cze
        "憧れ",                                        // Jap
        "열망"),                                        // Kor
    // GameNames[35]
    Ten(
        "Twenty",                                      // Eng
        "Двадцать",                                    // Rus
        "Zwanzig",                                     // Deu
        "Vingt",                                       // Fra
        "Veinte",                                      // Spa
        "二十",                                        // Chi
        "Venti",                                       // Ita
        "Dvacet",                                      // Cze
        "二十",                                        // Jap
        "스물"),                                        // Kor
    // GameNames[36]
    Ten(
        "Calculation",                                 // Eng
        "Расчёт",                                      // Rus
        "Rechnen",                                     // Deu
        "Calcul",                                      // Fra
        "Cálculo",                                     // Spa
        "计算",                                        // Chi
        "Calcolo",                                     // Ita
        "Počty",                                       // Cze
        "計算",                                        // Jap
        "계산"),                                        // Kor
    // GameNames[37]
    Ten(
        "Sultan",                                      // Eng
        "Султан",                                      // Rus
        "Sultan",                                      // Deu
        "Sultan",                                      // Fra
        "Sultán",                                      // Spa
        "苏丹",                                        // Chi
        "Sultano",                                     // Ita
        "Sultán",                                      // Cze
        "サルタン",                                    // Jap
        "술탄"),                                        // Kor
    // GameNames[38]
    Ten(
        "Backbone",                                    // Eng
        "Позвоночник",                                 // Rus
        "Rückgrat",                                    // Deu
        "Épine dorsale",                               // Fra
        "Espina dorsal",                               // Spa
        "脊梁",                                        // Chi
        "Spina dorsale",                               // Ita
        "Páteř",                                       // Cze
        "背骨",                                        // Jap
        "척추"),                                        // Kor
    // GameNames[39]
    Ten(
        "Carpet",                                      // Eng
        "Ковёр",                                       // Rus
        "Teppich",                                     // Deu
        "Tapis",                                       // Fra
        "Alfombra",                                    // Spa
        "地毯",                                        // Chi
        "Tappeto",                                     // Ita
        "Koberec",                                     // Cze
        "じゅうたん",                                  // Jap
        "카펫"),                                        // Kor
    // GameNames[40]
    Ten(
        "Fig.",                                        // Eng
        "Фига",                                        // Rus
        "Feige",                                       // Deu
        "Figue",                                       // Fra
        "Higo",                                        // Spa
        "无花果",                                      // Chi
        "Fico",                                        // Ita
        "Fík",                                         // Cze
        "イチジク",                                    // Jap
        "무화과"),                                      // Kor
    // GameNames[41]
    Ten(
        "Flower garden",                               // Eng
        "Цветник",                                     // Rus
        "Blumengarten",                                // Deu
        "Jardin de fleurs",                            // Fra
        "Jardín de flores",                            // Spa
        "花园",                                        // Chi
        "Giardino fiorito",                            // Ita
        "Květinová zahrada",                           // Cze
        "フラワーガーデン",                            // Jap
        "꽃밭"),                                        // Kor
    // GameNames[42]
    Ten(
        "8 Sages",                                     // Eng
        "8 мудрецов",                                  // Rus
        "8 Weise",                                     // Deu
        "Les 8 sages",                                 // Fra
        "8 sabios",                                    // Spa
        "八贤",                                        // Chi
        "8 saggi",                                     // Ita
        "8 mudrců",                                    // Cze
        "八賢人",                                      // Jap
        "여덟 현자"),                                   // Kor
    // GameNames[43]
    Ten(
        "Uncle Pelk",                                  // Eng
        "Дядя Пелк",                                   // Rus
        "Onkel Pelk",                                  // Deu
        "Oncle Pelk",                                  // Fra
        "Tío Pelk",                                    // Spa
        "佩尔克叔叔",                                  // Chi
        "Zio Pelk",                                    // Ita
        "Strýček Pelk",                                // Cze
        "ペルクおじさん",                              // Jap
        "펠크 아저씨"),                                 // Kor
    // GameNames[44]
    Ten(
        "Busy Aces",                                   // Eng
        "Занятые тузы",                                // Rus
        "Fleißige Asse",                               // Deu
        "As affairés",                                 // Fra
        "Ases ocupados",                               // Spa
        "忙碌的A",                                     // Chi
        "Assi indaffarati",                            // Ita
        "Pilná esa",                                   // Cze
        "ビジー・エース",                              // Jap
        "바쁜 에이스"),                                 // Kor
    // GameNames[45]
    Ten(
        "Labelel Lucie",                               // Eng
        "Красавица Люси",                              // Rus
        "Die schöne Lucie",                            // Deu
        "La Belle Lucie",                              // Fra
        "La bella Lucía",                              // Spa
        "美丽的露西",                                  // Chi
        "La bella Lucia",                              // Ita
        "Krásná Lucie",                                // Cze
        "ラ・ベル・ルシー",                            // Jap
        "아름다운 루시"),                               // Kor
    // GameNames[46]
    Ten(
        "Algerian patience",                           // Eng
        "Алжирский пасьянс",                           // Rus
        "Algerische Patience",                         // Deu
        "Réussite algérienne",                         // Fra
        "Solitario argelino",                          // Spa
        "阿尔及利亚接龙",                              // Chi
        "Solitario algerino",                          // Ita
        "Alžírský pasiáns",                            // Cze
        "アルジェリアン・ペイシェンス",                // Jap
        "알제리 솔리테어"),                             // Kor
    // GameNames[47]
    Ten(
        "Daemon",                                      // Eng
        "Демон",                                       // Rus
        "Dämon",                                       // Deu
        "Démon",                                       // Fra
        "Demonio",                                     // Spa
        "恶魔",                                        // Chi
        "Demone",                                      // Ita
        "Démon",                                       // Cze
        "デーモン",                                    // Jap
        "악마"),                                        // Kor
    // GameNames[48]
    Ten(
        "Clover",                                      // Eng
        "Клевер",                                      // Rus
        "Klee",                                        // Deu
        "Trèfle",                                      // Fra
        "Trébol",                                      // Spa
        "三叶草",                                      // Chi
        "Trifoglio",                                   // Ita
        "Jetel",                                       // Cze
        "クローバー",                                  // Jap
        "클로버"),                                      // Kor
    // GameNames[49]
    Ten(
        "40 Thieves",                                  // Eng
        "40 воров",                                    // Rus
        "40 Räuber",                                   // Deu
        "40 voleurs",                                  // Fra
        "40 ladrones",                                 // Spa
        "四十大盗",                                    // Chi
        "40 ladroni",                                  // Ita
        "40 zlodějů",                                  // Cze
        "40人の盗賊",                                  // Jap
        "40인의 도둑"),                                 // Kor
    // GameNames[50]
    Ten(
        "Miss Milligan",                               // Eng
        "Мисс Миллиган",                               // Rus
        "Miss Milligan",                               // Deu
        "Miss Milligan",                               // Fra
        "Miss Milligan",                               // Spa
        "米利根小姐",                                  // Chi
        "Miss Milligan",                               // Ita
        "Slečna Milliganová",                          // Cze
        "ミス・ミリガン",                              // Jap
        "밀리건 양"));                                   // Kor

} // namespace Texts
