// Options dialog: captions, and the entries of its lists in the order of the list.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtTabGeneral = Ten(
    "General",                                     // Eng
    "Общие",                                       // Rus
    "Allgemein",                                   // Deu
    "Général",                                     // Fra
    "Principal",                                   // Spa
    "常规",                                        // Chi
    "Generale",                                    // Ita
    "Obecné",                                      // Cze
    "一般",                                        // Jap
    "일반");                                        // Kor

const TText TxtTabCards = Ten(
    "Cards",                                       // Eng
    "Карты",                                       // Rus
    "Karten",                                      // Deu
    "Cartes",                                      // Fra
    "Cartas",                                      // Spa
    "纸牌",                                        // Chi
    "Carte",                                       // Ita
    "Karty",                                       // Cze
    "カード",                                      // Jap
    "카드");                                        // Kor

// the card backs: a tab and the group that chooses how the back changes
const TText TxtDecks = Ten(
    "Decks",                                       // Eng
    "Рубашки",                                     // Rus
    "Rückseiten",                                  // Deu
    "Dos",                                         // Fra
    "Reversos",                                    // Spa
    "牌背",                                        // Chi
    "Dorsi",                                       // Ita
    "Ruby karet",                                  // Cze
    "裏面",                                        // Jap
    "카드 뒷면");                                   // Kor

const TText TxtTabFonts = Ten(
    "Fonts",                                       // Eng
    "Шрифты",                                      // Rus
    "Schriften",                                   // Deu
    "Polices",                                     // Fra
    "Fuentes",                                     // Spa
    "字体",                                        // Chi
    "Caratteri",                                   // Ita
    "Písma",                                       // Cze
    "フォント",                                    // Jap
    "글꼴");                                        // Kor

const TText TxtTabBG = Ten(
    "BG",                                          // Eng
    "Фон",                                         // Rus
    "Hintergrund",                                 // Deu
    "Fond",                                        // Fra
    "Fondo",                                       // Spa
    "背景",                                        // Chi
    "Sfondo",                                      // Ita
    "Pozadí",                                      // Cze
    "背景",                                        // Jap
    "배경");                                        // Kor

const TText TxtMultimedia = Ten(
    "Multimedia",                                  // Eng
    "Мультимедиа",                                 // Rus
    "Ton und Bild",                                // Deu
    "Multimédia",                                  // Fra
    "Sonido e imagen",                             // Spa
    "多媒体",                                      // Chi
    "Suoni e animazioni",                          // Ita
    "Multimédia",                                  // Cze
    "マルチメディア",                              // Jap
    "멀티미디어");                                  // Kor

// the move mode
const TText TxtControl = Ten(
    "Control",                                     // Eng
    "Управление",                                  // Rus
    "Steuerung",                                   // Deu
    "Contrôle",                                    // Fra
    "Controles",                                   // Spa
    "操作",                                        // Chi
    "Controllo",                                   // Ita
    "Ovládání",                                    // Cze
    "操作",                                        // Jap
    "조작");                                        // Kor

const TText TxtSound = Ten(
    "Sound",                                       // Eng
    "Звук",                                        // Rus
    "Ton",                                         // Deu
    "Son",                                         // Fra
    "Sonido",                                      // Spa
    "声音",                                        // Chi
    "Suono",                                       // Ita
    "Zvuk",                                        // Cze
    "サウンド",                                    // Jap
    "소리");                                        // Kor

const TText TxtGifAnimation = Ten(
    "Gif-animation",                               // Eng
    "GIF-анимация",                                // Rus
    "GIF-Animation",                               // Deu
    "Animations GIF",                              // Fra
    "Animación GIF",                               // Spa
    "GIF动画",                                     // Chi
    "Animazioni GIF",                              // Ita
    "Animace GIF",                                 // Cze
    "GIFアニメ",                                   // Jap
    "GIF 애니메이션");                              // Kor

const TText TxtYellowCursor = Ten(
    "Yellow cursor",                               // Eng
    "Жёлтый курсор",                               // Rus
    "Gelber Cursor",                               // Deu
    "Curseur jaune",                               // Fra
    "Cursor amarillo",                             // Spa
    "黄色光标",                                    // Chi
    "Cursore giallo",                              // Ita
    "Žlutý kurzor",                                // Cze
    "黄色カーソル",                                // Jap
    "노란색 커서");                                 // Kor

const TText TxtScalePercent = Ten(
    "Scale, %",                                    // Eng
    "Масштаб, %",                                  // Rus
    "Größe, %",                                    // Deu
    "Échelle, %",                                  // Fra
    "Escala, %",                                   // Spa
    "缩放，%",                                     // Chi
    "Scala, %",                                    // Ita
    "Měřítko, %",                                  // Cze
    "倍率, %",                                     // Jap
    "배율, %");                                     // Kor

const TText TxtDefault = Ten(
    "Default",                                     // Eng
    "По умолчанию",                                // Rus
    "Standard",                                    // Deu
    "Par défaut",                                  // Fra
    "Predeterminado",                              // Spa
    "默认",                                        // Chi
    "Predefinito",                                 // Ita
    "Výchozí",                                     // Cze
    "既定値",                                      // Jap
    "기본값");                                      // Kor

// two lines
const TText TxtFontsAttention = Ten(
    "Attention!\n\rThese installations(aims) are recommended to be changed only in case of incorrect map of fonts!",  // Eng
    "Внимание!\n\rЭти настройки рекомендуется менять только при неправильном отображении шрифтов!",  // Rus
    "Achtung!\n\rDiese Einstellungen nur ändern, wenn Schriften falsch angezeigt werden!",  // Deu
    "Attention !\n\rNe modifiez ces réglages que si les polices s'affichent mal !",  // Fra
    "¡Atención!\n\rCambia estos ajustes solo si las fuentes se ven mal.",  // Spa
    "注意！\n\r仅在字体显示不正确时才建议更改这些设置！",  // Chi
    "Attenzione!\n\rModifica queste impostazioni solo se i caratteri non vengono visualizzati correttamente!",  // Ita
    "Pozor!\n\rTato nastavení měňte jen tehdy, když se písma zobrazují nesprávně!",  // Cze
    "注意！\n\rフォントが正しく表示されない場合にのみ変更してください！",  // Jap
    "주의!\n\r글꼴이 제대로 표시되지 않을 때만 이 설정을 바꾸세요!");  // Kor

const TText TxtBackground = Ten(
    "Background",                                  // Eng
    "Фон",                                         // Rus
    "Hintergrund",                                 // Deu
    "Arrière-plan",                                // Fra
    "Fondo",                                       // Spa
    "背景",                                        // Chi
    "Sfondo",                                      // Ita
    "Pozadí",                                      // Cze
    "背景",                                        // Jap
    "배경");                                        // Kor

// the move mode
const TTextList<3> MoveModeNames = List(
    // MoveModeNames[0]
    Ten(
        "Click and \"No Fly\"",                        // Eng
        "Щелчок и \"Без полёта\"",                     // Rus
        "Klick und \"Ohne Flug\"",                     // Deu
        "Clic et \"Sans vol\"",                        // Fra
        "Clic y \"Sin vuelo\"",                        // Spa
        "点击 \"不飞行\"",                             // Chi
        "Clic e \"Senza volo\"",                       // Ita
        "Klik a \"Bez letu\"",                         // Cze
        "クリック \"飛ばさない\"",                     // Jap
        "클릭 \"날지 않음\""),                          // Kor
    // MoveModeNames[1]
    Ten(
        "Click and \"Fly Card\"",                      // Eng
        "Щелчок и \"Полёт карты\"",                    // Rus
        "Klick und \"Karte fliegt\"",                  // Deu
        "Clic et \"Carte volante\"",                   // Fra
        "Clic y \"Carta volando\"",                    // Spa
        "点击 \"飞牌\"",                               // Chi
        "Clic e \"Carta in volo\"",                    // Ita
        "Klik a \"Let karty\"",                        // Cze
        "クリック \"カードを飛ばす\"",                 // Jap
        "클릭 \"카드 날리기\""),                        // Kor
    // MoveModeNames[2]
    Ten(
        "Drag and Drop",                               // Eng
        "Перетаскивание",                              // Rus
        "Ziehen und Ablegen",                          // Deu
        "Glisser-déposer",                             // Fra
        "Arrastrar y soltar",                          // Spa
        "拖放",                                        // Chi
        "Trascina e rilascia",                         // Ita
        "Přetažení",                                   // Cze
        "ドラッグ＆ドロップ",                          // Jap
        "끌어서 놓기"));                                 // Kor

// how the card back is chosen
const TTextList<3> BackModeNames = List(
    // BackModeNames[0]
    Ten(
        "To change decks",                             // Eng
        "Менять рубашки",                              // Rus
        "Rückseite wechseln",                          // Deu
        "Changer de dos",                              // Fra
        "Cambiar reverso",                             // Spa
        "更换牌背",                                    // Chi
        "Cambia dorso",                                // Ita
        "Střídat ruby",                                // Cze
        "裏面を替える",                                // Jap
        "뒷면 바꾸기"),                                 // Kor
    // BackModeNames[1]
    Ten(
        "Always one",                                  // Eng
        "Всегда одна",                                 // Rus
        "Immer dieselbe",                              // Deu
        "Toujours le même",                            // Fra
        "Siempre el mismo",                            // Spa
        "始终同一个",                                  // Chi
        "Sempre lo stesso",                            // Ita
        "Vždy stejný",                                 // Cze
        "常に同じ",                                    // Jap
        "항상 같은 것"),                                // Kor
    // BackModeNames[2]
    Ten(
        "Random",                                      // Eng
        "Случайно",                                    // Rus
        "Zufällig",                                    // Deu
        "Au hasard",                                   // Fra
        "Al azar",                                     // Spa
        "随机",                                        // Chi
        "Casuale",                                     // Ita
        "Náhodně",                                     // Cze
        "ランダム",                                    // Jap
        "무작위"));                                      // Kor

const TTextList<5> WindowSizeNames = List(
    // WindowSizeNames[0]
    Ten(
        "Small window",                                // Eng
        "Маленькое окно",                              // Rus
        "Kleines Fenster",                             // Deu
        "Petite fenêtre",                              // Fra
        "Ventana pequeña",                             // Spa
        "小窗口",                                      // Chi
        "Finestra piccola",                            // Ita
        "Malé okno",                                   // Cze
        "小さいウィンドウ",                            // Jap
        "작은 창"),                                     // Kor
    // WindowSizeNames[1]
    Ten(
        "Full screen",                                 // Eng
        "Во весь экран",                               // Rus
        "Vollbild",                                    // Deu
        "Plein écran",                                 // Fra
        "Pantalla completa",                           // Spa
        "全屏",                                        // Chi
        "Schermo intero",                              // Ita
        "Celá obrazovka",                              // Cze
        "全画面",                                      // Jap
        "전체 화면"),                                   // Kor
    // WindowSizeNames[2]
    Ten(
        "Average window 1",                            // Eng
        "Среднее окно 1",                              // Rus
        "Mittleres Fenster 1",                         // Deu
        "Fenêtre moyenne 1",                           // Fra
        "Ventana mediana 1",                           // Spa
        "中窗口 1",                                    // Chi
        "Finestra media 1",                            // Ita
        "Střední okno 1",                              // Cze
        "中くらいのウィンドウ 1",                      // Jap
        "중간 창 1"),                                   // Kor
    // WindowSizeNames[3]
    Ten(
        "Average window 2",                            // Eng
        "Среднее окно 2",                              // Rus
        "Mittleres Fenster 2",                         // Deu
        "Fenêtre moyenne 2",                           // Fra
        "Ventana mediana 2",                           // Spa
        "中窗口 2",                                    // Chi
        "Finestra media 2",                            // Ita
        "Střední okno 2",                              // Cze
        "中くらいのウィンドウ 2",                      // Jap
        "중간 창 2"),                                   // Kor
    // WindowSizeNames[4]
    Ten(
        "Large window",                                // Eng
        "Большое окно",                                // Rus
        "Großes Fenster",                              // Deu
        "Grande fenêtre",                              // Fra
        "Ventana grande",                              // Spa
        "大窗口",                                      // Chi
        "Finestra grande",                             // Ita
        "Velké okno",                                  // Cze
        "大きいウィンドウ",                            // Jap
        "큰 창"));                                       // Kor

// the card-face sets
const TTextList<48> FaceDeckNames = List(
    // FaceDeckNames[0]
    Ten(
        "Classical-1",                                 // Eng
        "Классика-1",                                  // Rus
        "Klassisch-1",                                 // Deu
        "Classique-1",                                 // Fra
        "Clásica-1",                                   // Spa
        "经典-1",                                      // Chi
        "Classico-1",                                  // Ita
        "Klasická-1",                                  // Cze
        "クラシック-1",                                // Jap
        "클래식-1"),                                    // Kor
    // FaceDeckNames[1]
    Ten(
        "Medieval-1",                                  // Eng
        "Средневековье-1",                             // Rus
        "Mittelalter-1",                               // Deu
        "Médiéval-1",                                  // Fra
        "Medievo-1",                                   // Spa
        "中世纪-1",                                    // Chi
        "Medievale-1",                                 // Ita
        "Středověk-1",                                 // Cze
        "中世-1",                                      // Jap
        "중세-1"),                                      // Kor
    // FaceDeckNames[2]
    Ten(
        "Modern",                                      // Eng
        "Модерн",                                      // Rus
        "Modernes",                                    // Deu
        "Moderne",                                     // Fra
        "Moderna",                                     // Spa
        "现代",                                        // Chi
        "Moderno",                                     // Ita
        "Moderní",                                     // Cze
        "モダン",                                      // Jap
        "모던"),                                        // Kor
    // FaceDeckNames[3]
    Ten(
        "Ancient Egypt",                               // Eng
        "Древний Египет",                              // Rus
        "Altes Ägypten",                               // Deu
        "Égypte ancienne",                             // Fra
        "Antiguo Egipto",                              // Spa
        "古埃及",                                      // Chi
        "Antico Egitto",                               // Ita
        "Starověký Egypt",                             // Cze
        "古代エジプト",                                // Jap
        "고대 이집트"),                                 // Kor
    // FaceDeckNames[4]
    Ten(
        "Baronesse",                                   // Eng
        "Баронесса",                                   // Rus
        "Baronin",                                     // Deu
        "Baronne",                                     // Fra
        "Baronesa",                                    // Spa
        "男爵夫人",                                    // Chi
        "Baronessa",                                   // Ita
        "Baronka",                                     // Cze
        "バロネス",                                    // Jap
        "남작 부인"),                                   // Kor
    // FaceDeckNames[5]
    Ten(
        "Celtic",                                      // Eng
        "Кельтская",                                   // Rus
        "Keltisch",                                    // Deu
        "Celtique",                                    // Fra
        "Celta",                                       // Spa
        "凯尔特",                                      // Chi
        "Celtico",                                     // Ita
        "Keltská",                                     // Cze
        "ケルト",                                      // Jap
        "켈트"),                                        // Kor
    // FaceDeckNames[6]
    Ten(
        "Corona",                                      // Eng
        "Корона",                                      // Rus
        "Corona",                                      // Deu
        "Corona",                                      // Fra
        "Corona",                                      // Spa
        "科罗娜",                                      // Chi
        "Corona",                                      // Ita
        "Corona",                                      // Cze
        "コロナ",                                      // Jap
        "코로나"),                                      // Kor
    // FaceDeckNames[7]
    Ten(
        "Crown",                                       // Eng
        "Венец",                                       // Rus
        "Krone",                                       // Deu
        "Couronne",                                    // Fra
        "Corona real",                                 // Spa
        "皇冠",                                        // Chi
        "Corona reale",                                // Ita
        "Koruna",                                      // Cze
        "クラウン",                                    // Jap
        "크라운"),                                      // Kor
    // FaceDeckNames[8]
    Ten(
        "English Pattern",                             // Eng
        "Английский рисунок",                          // Rus
        "Englisches Bild",                             // Deu
        "Portrait anglais",                            // Fra
        "Patrón inglés",                               // Spa
        "英式牌面",                                    // Chi
        "Disegno inglese",                             // Ita
        "Anglický vzor",                               // Cze
        "英国式",                                      // Jap
        "영국식 무늬"),                                 // Kor
    // FaceDeckNames[9]
    Ten(
        "Frankfurt",                                   // Eng
        "Франкфурт",                                   // Rus
        "Frankfurter Bild",                            // Deu
        "Francfort",                                   // Fra
        "Fráncfort",                                   // Spa
        "法兰克福",                                    // Chi
        "Francoforte",                                 // Ita
        "Frankfurtská",                                // Cze
        "フランクフルト",                              // Jap
        "프랑크푸르트"),                                // Kor
    // FaceDeckNames[10]
    Ten(
        "Historical costumes",                         // Eng
        "Исторические костюмы",                        // Rus
        "Historische Kostüme",                         // Deu
        "Costumes historiques",                        // Fra
        "Trajes históricos",                           // Spa
        "历史服饰",                                    // Chi
        "Costumi storici",                             // Ita
        "Historické kostýmy",                          // Cze
        "歴史衣装",                                    // Jap
        "역사 의상"),                                   // Kor
    // FaceDeckNames[11]
    Ten(
        "Native Americans",                            // Eng
        "Индейцы",                                     // Rus
        "Indianer",                                    // Deu
        "Amérindiens",                                 // Fra
        "Nativos americanos",                          // Spa
        "美洲原住民",                                  // Chi
        "Nativi americani",                            // Ita
        "Indiáni",                                     // Cze
        "アメリカ先住民",                              // Jap
        "아메리카 원주민"),                             // Kor
    // FaceDeckNames[12]
    Ten(
        "Old Garden Roses",                            // Eng
        "Старинные розы",                              // Rus
        "Alte Gartenrosen",                            // Deu
        "Roses anciennes",                             // Fra
        "Rosas antiguas",                              // Spa
        "古典月季",                                    // Chi
        "Rose antiche",                                // Ita
        "Staré růže",                                  // Cze
        "オールドローズ",                              // Jap
        "올드 로즈"),                                   // Kor
    // FaceDeckNames[13]
    Ten(
        "Parrots",                                     // Eng
        "Попугаи",                                     // Rus
        "Papageien",                                   // Deu
        "Perroquets",                                  // Fra
        "Loros",                                       // Spa
        "鹦鹉",                                        // Chi
        "Pappagalli",                                  // Ita
        "Papoušci",                                    // Cze
        "オウム",                                      // Jap
        "앵무새"),                                      // Kor
    // FaceDeckNames[14]
    Ten(
        "Royal",                                       // Eng
        "Королевская",                                 // Rus
        "Königlich",                                   // Deu
        "Royale",                                      // Fra
        "Real",                                        // Spa
        "皇家",                                        // Chi
        "Reale",                                       // Ita
        "Královská",                                   // Cze
        "ロイヤル",                                    // Jap
        "로열"),                                        // Kor
    // FaceDeckNames[15]
    Ten(
        "Shakespeare",                                 // Eng
        "Шекспир",                                     // Rus
        "Shakespeare",                                 // Deu
        "Shakespeare",                                 // Fra
        "Shakespeare",                                 // Spa
        "莎士比亚",                                    // Chi
        "Shakespeare",                                 // Ita
        "Shakespeare",                                 // Cze
        "シェイクスピア",                              // Jap
        "셰익스피어"),                                  // Kor
    // FaceDeckNames[16]
    Ten(
        "Big Ben",                                     // Eng
        "Биг-Бен",                                     // Rus
        "Big Ben",                                     // Deu
        "Big Ben",                                     // Fra
        "Big Ben",                                     // Spa
        "大本钟",                                      // Chi
        "Big Ben",                                     // Ita
        "Big Ben",                                     // Cze
        "ビッグ・ベン",                                // Jap
        "빅벤"),                                        // Kor
    // FaceDeckNames[17]
    Ten(
        "Four Reigns of English History",              // Eng
        "Четыре царствования Англии",                  // Rus
        "Vier englische Herrscherhäuser",              // Deu
        "Quatre règnes anglais",                       // Fra
        "Cuatro reinados ingleses",                    // Spa
        "英国四朝",                                    // Chi
        "Quattro regni inglesi",                       // Ita
        "Čtyři anglické dynastie",                     // Cze
        "英国史の四つの治世",                          // Jap
        "영국사의 네 왕조"),                            // Kor
    // FaceDeckNames[18]
    Ten(
        "Large Print London",                          // Eng
        "Лондон, крупный шрифт",                       // Rus
        "London, Großdruck",                           // Deu
        "Londres, gros caractères",                    // Fra
        "Londres, letra grande",                       // Spa
        "伦敦大字版",                                  // Chi
        "Londra, caratteri grandi",                    // Ita
        "Londýn, velké písmo",                         // Cze
        "ロンドン大文字版",                            // Jap
        "런던 큰 글씨"),                                // Kor
    // FaceDeckNames[19]
    Ten(
        "Classical-2",                                 // Eng
        "Классика-2",                                  // Rus
        "Klassisch-2",                                 // Deu
        "Classique-2",                                 // Fra
        "Clásica-2",                                   // Spa
        "经典-2",                                      // Chi
        "Classico-2",                                  // Ita
        "Klasická-2",                                  // Cze
        "クラシック-2",                                // Jap
        "클래식-2"),                                    // Kor
    // FaceDeckNames[20]
    Ten(
        "Hearts",                                      // Eng
        "Червы",                                       // Rus
        "Herzen",                                      // Deu
        "Cœurs",                                       // Fra
        "Corazones",                                   // Spa
        "红心",                                        // Chi
        "Cuori",                                       // Ita
        "Srdce",                                       // Cze
        "ハート",                                      // Jap
        "하트"),                                        // Kor
    // FaceDeckNames[21]
    Ten(
        "Seasons",                                     // Eng
        "Времена года",                                // Rus
        "Jahreszeiten",                                // Deu
        "Saisons",                                     // Fra
        "Estaciones",                                  // Spa
        "四季",                                        // Chi
        "Stagioni",                                    // Ita
        "Roční období",                                // Cze
        "季節",                                        // Jap
        "사계절"),                                      // Kor
    // FaceDeckNames[22]
    Ten(
        "Rhine Style",                                 // Eng
        "Рейнский стиль",                              // Rus
        "Rheinischer Stil",                            // Deu
        "Style rhénan",                                // Fra
        "Estilo renano",                               // Spa
        "莱茵风格",                                    // Chi
        "Stile renano",                                // Ita
        "Rýnský styl",                                 // Cze
        "ライン風",                                    // Jap
        "라인 스타일"),                                 // Kor
    // FaceDeckNames[23]
    Ten(
        "Medieval-2",                                  // Eng
        "Средневековье-2",                             // Rus
        "Mittelalter-2",                               // Deu
        "Médiéval-2",                                  // Fra
        "Medievo-2",                                   // Spa
        "中世纪-2",                                    // Chi
        "Medievale-2",                                 // Ita
        "Středověk-2",                                 // Cze
        "中世-2",                                      // Jap
        "중세-2"),                                      // Kor
    // FaceDeckNames[24]
    Ten(
        "Doods",                                       // Eng
        "Дудс",                                        // Rus
        "Doods",                                       // Deu
        "Doods",                                       // Fra
        "Doods",                                       // Spa
        "Doods",                                       // Chi
        "Doods",                                       // Ita
        "Doods",                                       // Cze
        "ドゥーズ",                                    // Jap
        "두즈"),                                        // Kor
    // FaceDeckNames[25]
    Ten(
        "Playboy",                                     // Eng
        "Плейбой",                                     // Rus
        "Playboy",                                     // Deu
        "Playboy",                                     // Fra
        "Playboy",                                     // Spa
        "Playboy",                                     // Chi
        "Playboy",                                     // Ita
        "Playboy",                                     // Cze
        "プレイボーイ",                                // Jap
        "플레이보이"),                                  // Kor
    // FaceDeckNames[26]
    Ten(
        "Epic",                                        // Eng
        "Эпос",                                        // Rus
        "Epos",                                        // Deu
        "Épique",                                      // Fra
        "Épica",                                       // Spa
        "史诗",                                        // Chi
        "Epico",                                       // Ita
        "Epos",                                        // Cze
        "叙事詩",                                      // Jap
        "서사시"),                                      // Kor
    // FaceDeckNames[27]
    Ten(
        "USSR",                                        // Eng
        "СССР",                                        // Rus
        "UdSSR",                                       // Deu
        "URSS",                                        // Fra
        "URSS",                                        // Spa
        "苏联",                                        // Chi
        "URSS",                                        // Ita
        "SSSR",                                        // Cze
        "ソ連",                                        // Jap
        "소련"),                                        // Kor
    // FaceDeckNames[28]
    Ten(
        "Plastic",                                     // Eng
        "Пластик",                                     // Rus
        "Plastik",                                     // Deu
        "Plastique",                                   // Fra
        "Plástico",                                    // Spa
        "塑料",                                        // Chi
        "Plastica",                                    // Ita
        "Plast",                                       // Cze
        "プラスチック",                                // Jap
        "플라스틱"),                                    // Kor
    // FaceDeckNames[29]
    Ten(
        "Skat - German suits",                         // Eng
        "Скат — немецкие масти",                       // Rus
        "Skat – deutsches Blatt",                      // Deu
        "Skat – enseignes allemandes",                 // Fra
        "Skat – palos alemanes",                       // Spa
        "斯卡特 - 德式花色",                           // Chi
        "Skat – semi tedeschi",                        // Ita
        "Skat – německé barvy",                        // Cze
        "スカート - ドイツ式",                         // Jap
        "스카트 - 독일식"),                             // Kor
    // FaceDeckNames[30]
    Ten(
        "Skat - Tournament suits",                     // Eng
        "Скат — турнирные масти",                      // Rus
        "Skat – Turnierbild",                          // Deu
        "Skat – enseignes de tournoi",                 // Fra
        "Skat – palos de torneo",                      // Spa
        "斯卡特 - 比赛花色",                           // Chi
        "Skat – semi da torneo",                       // Ita
        "Skat – turnajové barvy",                      // Cze
        "スカート - 大会式",                           // Jap
        "스카트 - 대회용"),                             // Kor
    // FaceDeckNames[31]
    Ten(
        "Skat - French suits",                         // Eng
        "Скат — французские масти",                    // Rus
        "Skat – französisches Blatt",                  // Deu
        "Skat – enseignes françaises",                 // Fra
        "Skat – palos franceses",                      // Spa
        "斯卡特 - 法式花色",                           // Chi
        "Skat – semi francesi",                        // Ita
        "Skat – francouzské barvy",                    // Cze
        "スカート - フランス式",                       // Jap
        "스카트 - 프랑스식"),                           // Kor
    // FaceDeckNames[32]
    Ten(
        "White palekh",                                // Eng
        "Белый палех",                                 // Rus
        "Weißes Palech",                               // Deu
        "Palekh blanc",                                // Fra
        "Palej blanco",                                // Spa
        "白色帕列赫",                                  // Chi
        "Palech bianco",                               // Ita
        "Bílý Palech",                                 // Cze
        "白いパレフ",                                  // Jap
        "흰색 팔레흐"),                                 // Kor
    // FaceDeckNames[33]
    Ten(
        "Diana",                                       // Eng
        "Диана",                                       // Rus
        "Diana",                                       // Deu
        "Diane",                                       // Fra
        "Diana",                                       // Spa
        "戴安娜",                                      // Chi
        "Diana",                                       // Ita
        "Diana",                                       // Cze
        "ダイアナ",                                    // Jap
        "다이애나"),                                    // Kor
    // FaceDeckNames[34]
    Ten(
        "Princely",                                    // Eng
        "Княжеская",                                   // Rus
        "Fürstlich",                                   // Deu
        "Princier",                                    // Fra
        "Principesca",                                 // Spa
        "王公",                                        // Chi
        "Principesco",                                 // Ita
        "Knížecí",                                     // Cze
        "王侯",                                        // Jap
        "왕실풍"),                                      // Kor
    // FaceDeckNames[35]
    Ten(
        "For solitaires",                              // Eng
        "Пасьянсная",                                  // Rus
        "Für Patiencen",                               // Deu
        "Pour réussites",                              // Fra
        "Para solitarios",                             // Spa
        "接龙专用",                                    // Chi
        "Per solitari",                                // Ita
        "Pro pasiánsy",                                // Cze
        "ソリティア用",                                // Jap
        "솔리테어용"),                                  // Kor
    // FaceDeckNames[36]
    Ten(
        "Satin",                                       // Eng
        "Атласная",                                    // Rus
        "Seidenglanz",                                 // Deu
        "Satiné",                                      // Fra
        "Satén",                                       // Spa
        "缎面",                                        // Chi
        "Raso",                                        // Ita
        "Satén",                                       // Cze
        "サテン",                                      // Jap
        "새틴"),                                        // Kor
    // FaceDeckNames[37]
    Ten(
        "Slavic",                                      // Eng
        "Славянская",                                  // Rus
        "Slawisch",                                    // Deu
        "Slave",                                       // Fra
        "Eslava",                                      // Spa
        "斯拉夫",                                      // Chi
        "Slavo",                                       // Ita
        "Slovanská",                                   // Cze
        "スラブ",                                      // Jap
        "슬라브"),                                      // Kor
    // FaceDeckNames[38]
    Ten(
        "Maya",                                        // Eng
        "Майя",                                        // Rus
        "Maya",                                        // Deu
        "Maya",                                        // Fra
        "Maya",                                        // Spa
        "玛雅",                                        // Chi
        "Maya",                                        // Ita
        "Mayové",                                      // Cze
        "マヤ",                                        // Jap
        "마야"),                                        // Kor
    // FaceDeckNames[39]
    Ten(
        "Bast",                                        // Eng
        "Лубок",                                       // Rus
        "Lubok",                                       // Deu
        "Loubok",                                      // Fra
        "Lubok",                                       // Spa
        "民间版画",                                    // Chi
        "Lubok",                                       // Ita
        "Lubok",                                       // Cze
        "ルボーク",                                    // Jap
        "루보크"),                                      // Kor
    // FaceDeckNames[40]
    Ten(
        "French",                                      // Eng
        "Французская",                                 // Rus
        "Französisch",                                 // Deu
        "Français",                                    // Fra
        "Francesa",                                    // Spa
        "法式",                                        // Chi
        "Francese",                                    // Ita
        "Francouzská",                                 // Cze
        "フランス",                                    // Jap
        "프랑스"),                                      // Kor
    // FaceDeckNames[41]
    Ten(
        "Spanish 1",                                   // Eng
        "Испанская 1",                                 // Rus
        "Spanisch 1",                                  // Deu
        "Espagnol 1",                                  // Fra
        "Española 1",                                  // Spa
        "西班牙 1",                                    // Chi
        "Spagnolo 1",                                  // Ita
        "Španělská 1",                                 // Cze
        "スペイン 1",                                  // Jap
        "스페인 1"),                                    // Kor
    // FaceDeckNames[42]
    Ten(
        "Spanish 2",                                   // Eng
        "Испанская 2",                                 // Rus
        "Spanisch 2",                                  // Deu
        "Espagnol 2",                                  // Fra
        "Española 2",                                  // Spa
        "西班牙 2",                                    // Chi
        "Spagnolo 2",                                  // Ita
        "Španělská 2",                                 // Cze
        "スペイン 2",                                  // Jap
        "스페인 2"),                                    // Kor
    // FaceDeckNames[43]
    Ten(
        "Spanish 3",                                   // Eng
        "Испанская 3",                                 // Rus
        "Spanisch 3",                                  // Deu
        "Espagnol 3",                                  // Fra
        "Española 3",                                  // Spa
        "西班牙 3",                                    // Chi
        "Spagnolo 3",                                  // Ita
        "Španělská 3",                                 // Cze
        "スペイン 3",                                  // Jap
        "스페인 3"),                                    // Kor
    // FaceDeckNames[44]
    Ten(
        "Spanish 4",                                   // Eng
        "Испанская 4",                                 // Rus
        "Spanisch 4",                                  // Deu
        "Espagnol 4",                                  // Fra
        "Española 4",                                  // Spa
        "西班牙 4",                                    // Chi
        "Spagnolo 4",                                  // Ita
        "Španělská 4",                                 // Cze
        "スペイン 4",                                  // Jap
        "스페인 4"),                                    // Kor
    // FaceDeckNames[45]
    Ten(
        "Chinese",                                     // Eng
        "Китайская",                                   // Rus
        "Chinesisch",                                  // Deu
        "Chinois",                                     // Fra
        "China",                                       // Spa
        "中式",                                        // Chi
        "Cinese",                                      // Ita
        "Čínská",                                      // Cze
        "中国",                                        // Jap
        "중국"),                                        // Kor
    // FaceDeckNames[46]
    Ten(
        "Italian",                                     // Eng
        "Итальянская",                                 // Rus
        "Italienisch",                                 // Deu
        "Italien",                                     // Fra
        "Italiana",                                    // Spa
        "意大利",                                      // Chi
        "Italiano",                                    // Ita
        "Italská",                                     // Cze
        "イタリア",                                    // Jap
        "이탈리아"),                                    // Kor
    // FaceDeckNames[47]
    Ten(
        "Czech",                                       // Eng
        "Чешская",                                     // Rus
        "Tschechisch",                                 // Deu
        "Tchèque",                                     // Fra
        "Checa",                                       // Spa
        "捷克",                                        // Chi
        "Ceco",                                        // Ita
        "Česká",                                       // Cze
        "チェコ",                                      // Jap
        "체코"));                                        // Kor

// the card-back sets
const TTextList<13> BackDeckNames = List(
    // BackDeckNames[0]
    Ten(
        "Classical-1",                                 // Eng
        "Классика-1",                                  // Rus
        "Klassisch-1",                                 // Deu
        "Classique-1",                                 // Fra
        "Clásica-1",                                   // Spa
        "经典-1",                                      // Chi
        "Classico-1",                                  // Ita
        "Klasická-1",                                  // Cze
        "クラシック-1",                                // Jap
        "클래식-1"),                                    // Kor
    // BackDeckNames[1]
    Ten(
        "Medieval-1",                                  // Eng
        "Средневековье-1",                             // Rus
        "Mittelalter-1",                               // Deu
        "Médiéval-1",                                  // Fra
        "Medievo-1",                                   // Spa
        "中世纪-1",                                    // Chi
        "Medievale-1",                                 // Ita
        "Středověk-1",                                 // Cze
        "中世-1",                                      // Jap
        "중세-1"),                                      // Kor
    // BackDeckNames[2]
    Ten(
        "Medieval-2",                                  // Eng
        "Средневековье-2",                             // Rus
        "Mittelalter-2",                               // Deu
        "Médiéval-2",                                  // Fra
        "Medievo-2",                                   // Spa
        "中世纪-2",                                    // Chi
        "Medievale-2",                                 // Ita
        "Středověk-2",                                 // Cze
        "中世-2",                                      // Jap
        "중세-2"),                                      // Kor
    // BackDeckNames[3]
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
    // BackDeckNames[4]
    Ten(
        "Cross",                                       // Eng
        "Крест",                                       // Rus
        "Kreuz",                                       // Deu
        "Croix",                                       // Fra
        "Cruz",                                        // Spa
        "十字",                                        // Chi
        "Croce",                                       // Ita
        "Kříž",                                        // Cze
        "十字",                                        // Jap
        "십자"),                                        // Kor
    // BackDeckNames[5]
    Ten(
        "Chess",                                       // Eng
        "Шахматы",                                     // Rus
        "Schach",                                      // Deu
        "Échecs",                                      // Fra
        "Ajedrez",                                     // Spa
        "国际象棋",                                    // Chi
        "Scacchi",                                     // Ita
        "Šachy",                                       // Cze
        "チェス",                                      // Jap
        "체스"),                                        // Kor
    // BackDeckNames[6]
    Ten(
        "Diamond",                                     // Eng
        "Ромб",                                        // Rus
        "Raute",                                       // Deu
        "Losange",                                     // Fra
        "Rombo",                                       // Spa
        "菱形",                                        // Chi
        "Rombo",                                       // Ita
        "Kosočtverec",                                 // Cze
        "ダイヤ",                                      // Jap
        "다이아몬드"),                                  // Kor
    // BackDeckNames[7]
    Ten(
        "Knightly",                                    // Eng
        "Рыцарская",                                   // Rus
        "Ritter",                                      // Deu
        "Chevaleresque",                               // Fra
        "Caballeresca",                                // Spa
        "骑士",                                        // Chi
        "Cavalleresca",                                // Ita
        "Rytířská",                                    // Cze
        "騎士",                                        // Jap
        "기사"),                                        // Kor
    // BackDeckNames[8]
    Ten(
        "Animals",                                     // Eng
        "Животные",                                    // Rus
        "Tiere",                                       // Deu
        "Animaux",                                     // Fra
        "Animales",                                    // Spa
        "动物",                                        // Chi
        "Animali",                                     // Ita
        "Zvířata",                                     // Cze
        "動物",                                        // Jap
        "동물"),                                        // Kor
    // BackDeckNames[9]
    Ten(
        "Flowers",                                     // Eng
        "Цветы",                                       // Rus
        "Blumen",                                      // Deu
        "Fleurs",                                      // Fra
        "Flores",                                      // Spa
        "花卉",                                        // Chi
        "Fiori",                                       // Ita
        "Květiny",                                     // Cze
        "花",                                          // Jap
        "꽃"),                                          // Kor
    // BackDeckNames[10]
    Ten(
        "Places",                                      // Eng
        "Места",                                       // Rus
        "Orte",                                        // Deu
        "Lieux",                                       // Fra
        "Lugares",                                     // Spa
        "风景",                                        // Chi
        "Luoghi",                                      // Ita
        "Místa",                                       // Cze
        "名所",                                        // Jap
        "명소"),                                        // Kor
    // BackDeckNames[11]
    Ten(
        "Other",                                       // Eng
        "Другие",                                      // Rus
        "Sonstige",                                    // Deu
        "Autres",                                      // Fra
        "Otros",                                       // Spa
        "其他",                                        // Chi
        "Altri",                                       // Ita
        "Ostatní",                                     // Cze
        "その他",                                      // Jap
        "기타"),                                        // Kor
    // BackDeckNames[12]
    Ten(
        "Russian",                                     // Eng
        "Русская",                                     // Rus
        "Russisch",                                    // Deu
        "Russe",                                       // Fra
        "Rusa",                                        // Spa
        "俄式",                                        // Chi
        "Russa",                                       // Ita
        "Ruská",                                       // Cze
        "ロシア",                                      // Jap
        "러시아"));                                      // Kor

// the first three font roles; the fourth keeps its stored text
const TTextList<3> FontRoleNames = List(
    // FontRoleNames[0]
    Ten(
        "Large font",                                  // Eng
        "Крупный шрифт",                               // Rus
        "Große Schrift",                               // Deu
        "Grande police",                               // Fra
        "Fuente grande",                               // Spa
        "大字体",                                      // Chi
        "Carattere grande",                            // Ita
        "Velké písmo",                                 // Cze
        "大きいフォント",                              // Jap
        "큰 글꼴"),                                     // Kor
    // FontRoleNames[1]
    Ten(
        "Small font",                                  // Eng
        "Мелкий шрифт",                                // Rus
        "Kleine Schrift",                              // Deu
        "Petite police",                               // Fra
        "Fuente pequeña",                              // Spa
        "小字体",                                      // Chi
        "Carattere piccolo",                           // Ita
        "Malé písmo",                                  // Cze
        "小さいフォント",                              // Jap
        "작은 글꼴"),                                   // Kor
    // FontRoleNames[2]
    Ten(
        "Special font",                                // Eng
        "Особый шрифт",                                // Rus
        "Sonderschrift",                               // Deu
        "Police spéciale",                             // Fra
        "Fuente especial",                             // Spa
        "特殊字体",                                    // Chi
        "Carattere speciale",                          // Ita
        "Zvláštní písmo",                              // Cze
        "特殊フォント",                                // Jap
        "특수 글꼴"));                                   // Kor

// the table backgrounds
const TTextList<10> BackgroundNames = List(
    // BackgroundNames[0]
    Ten(
        "Sun",                                         // Eng
        "Солнце",                                      // Rus
        "Sonne",                                       // Deu
        "Soleil",                                      // Fra
        "Sol",                                         // Spa
        "阳光",                                        // Chi
        "Sole",                                        // Ita
        "Slunce",                                      // Cze
        "太陽",                                        // Jap
        "태양"),                                        // Kor
    // BackgroundNames[1]
    Ten(
        "Felt",                                        // Eng
        "Сукно",                                       // Rus
        "Filz",                                        // Deu
        "Feutre",                                      // Fra
        "Fieltro",                                     // Spa
        "毛毡",                                        // Chi
        "Feltro",                                      // Ita
        "Plsť",                                        // Cze
        "フェルト",                                    // Jap
        "펠트"),                                        // Kor
    // BackgroundNames[2]
    Ten(
        "Gradient",                                    // Eng
        "Градиент",                                    // Rus
        "Farbverlauf",                                 // Deu
        "Dégradé",                                     // Fra
        "Degradado",                                   // Spa
        "渐变",                                        // Chi
        "Sfumatura",                                   // Ita
        "Přechod",                                     // Cze
        "グラデーション",                              // Jap
        "그라데이션"),                                  // Kor
    // BackgroundNames[3]
    Ten(
        "Cloth",                                       // Eng
        "Ткань",                                       // Rus
        "Stoff",                                       // Deu
        "Tissu",                                       // Fra
        "Tela",                                        // Spa
        "布料",                                        // Chi
        "Stoffa",                                      // Ita
        "Látka",                                       // Cze
        "布地",                                        // Jap
        "천"),                                          // Kor
    // BackgroundNames[4]
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
    // BackgroundNames[5]
    Ten(
        "Tree",                                        // Eng
        "Дерево",                                      // Rus
        "Holz",                                        // Deu
        "Bois",                                        // Fra
        "Madera",                                      // Spa
        "木纹",                                        // Chi
        "Legno",                                       // Ita
        "Dřevo",                                       // Cze
        "木目",                                        // Jap
        "나뭇결"),                                      // Kor
    // BackgroundNames[6]
    Ten(
        "Casino",                                      // Eng
        "Казино",                                      // Rus
        "Kasino",                                      // Deu
        "Casino",                                      // Fra
        "Casino",                                      // Spa
        "赌场",                                        // Chi
        "Casinò",                                      // Ita
        "Kasino",                                      // Cze
        "カジノ",                                      // Jap
        "카지노"),                                      // Kor
    // BackgroundNames[7]
    Ten(
        "Pattern",                                     // Eng
        "Узор",                                        // Rus
        "Muster",                                      // Deu
        "Motif",                                       // Fra
        "Patrón",                                      // Spa
        "花纹",                                        // Chi
        "Motivo",                                      // Ita
        "Vzor",                                        // Cze
        "模様",                                        // Jap
        "무늬"),                                        // Kor
    // BackgroundNames[8]
    Ten(
        "Silk",                                        // Eng
        "Шёлк",                                        // Rus
        "Seide",                                       // Deu
        "Soie",                                        // Fra
        "Seda",                                        // Spa
        "丝绸",                                        // Chi
        "Seta",                                        // Ita
        "Hedvábí",                                     // Cze
        "シルク",                                      // Jap
        "실크"),                                        // Kor
    // BackgroundNames[9]
    Ten(
        "Ornament",                                    // Eng
        "Орнамент",                                    // Rus
        "Verzierung",                                  // Deu
        "Ornement",                                    // Fra
        "Ornamento",                                   // Spa
        "装饰",                                        // Chi
        "Ornamento",                                   // Ita
        "Ozdoba",                                      // Cze
        "装飾",                                        // Jap
        "장식"));                                        // Kor

// the table colours
const TTextList<7> BackgroundColorNames = List(
    // BackgroundColorNames[0]
    Ten(
        "Green",                                       // Eng
        "Зелёный",                                     // Rus
        "Grün",                                        // Deu
        "Vert",                                        // Fra
        "Verde",                                       // Spa
        "绿色",                                        // Chi
        "Verde",                                       // Ita
        "Zelená",                                      // Cze
        "緑",                                          // Jap
        "초록"),                                        // Kor
    // BackgroundColorNames[1]
    Ten(
        "Red",                                         // Eng
        "Красный",                                     // Rus
        "Rot",                                         // Deu
        "Rouge",                                       // Fra
        "Rojo",                                        // Spa
        "红色",                                        // Chi
        "Rosso",                                       // Ita
        "Červená",                                     // Cze
        "赤",                                          // Jap
        "빨강"),                                        // Kor
    // BackgroundColorNames[2]
    Ten(
        "Orang",                                       // Eng
        "Оранжевый",                                   // Rus
        "Orange",                                      // Deu
        "Orange",                                      // Fra
        "Naranja",                                     // Spa
        "橙色",                                        // Chi
        "Arancione",                                   // Ita
        "Oranžová",                                    // Cze
        "オレンジ",                                    // Jap
        "주황"),                                        // Kor
    // BackgroundColorNames[3]
    Ten(
        "Yellow",                                      // Eng
        "Жёлтый",                                      // Rus
        "Gelb",                                        // Deu
        "Jaune",                                       // Fra
        "Amarillo",                                    // Spa
        "黄色",                                        // Chi
        "Giallo",                                      // Ita
        "Žlutá",                                       // Cze
        "黄",                                          // Jap
        "노랑"),                                        // Kor
    // BackgroundColorNames[4]
    Ten(
        "Light-Blue",                                  // Eng
        "Голубой",                                     // Rus
        "Hellblau",                                    // Deu
        "Bleu clair",                                  // Fra
        "Celeste",                                     // Spa
        "浅蓝",                                        // Chi
        "Azzurro",                                     // Ita
        "Světle modrá",                                // Cze
        "水色",                                        // Jap
        "하늘색"),                                      // Kor
    // BackgroundColorNames[5]
    Ten(
        "Dark Blue",                                   // Eng
        "Синий",                                       // Rus
        "Dunkelblau",                                  // Deu
        "Bleu foncé",                                  // Fra
        "Azul oscuro",                                 // Spa
        "深蓝",                                        // Chi
        "Blu scuro",                                   // Ita
        "Tmavě modrá",                                 // Cze
        "紺",                                          // Jap
        "남색"),                                        // Kor
    // BackgroundColorNames[6]
    Ten(
        "Violet",                                      // Eng
        "Фиолетовый",                                  // Rus
        "Violett",                                     // Deu
        "Violet",                                      // Fra
        "Violeta",                                     // Spa
        "紫色",                                        // Chi
        "Viola",                                       // Ita
        "Fialová",                                     // Cze
        "紫",                                          // Jap
        "보라"));                                        // Kor

} // namespace Texts
