// Main window, menu screen, round buttons, icon bar and the questions of the main window.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtNewPlayer = Ten(
    "New Player",                                  // Eng
    "Новый игрок",                                 // Rus
    "Neuer Spieler",                               // Deu
    "Nouveau joueur",                              // Fra
    "Nuevo jugador",                               // Spa
    "新玩家",                                      // Chi
    "Nuovo giocatore",                             // Ita
    "Nový hráč",                                   // Cze
    "新規プレイヤー",                              // Jap
    "새 플레이어");                                 // Kor

const TText TxtTopTen = Ten(
    "Top Ten",                                     // Eng
    "10 лучших",                                   // Rus
    "Bestenliste",                                 // Deu
    "Palmarès",                                    // Fra
    "Récords",                                     // Spa
    "排行榜",                                      // Chi
    "Classifica",                                  // Ita
    "Žebříček",                                    // Cze
    "ランキング",                                  // Jap
    "순위표");                                      // Kor

const TText TxtOptions = Ten(
    "Options",                                     // Eng
    "Настройки",                                   // Rus
    "Optionen",                                    // Deu
    "Réglages",                                    // Fra
    "Opciones",                                    // Spa
    "选项",                                        // Chi
    "Opzioni",                                     // Ita
    "Možnosti",                                    // Cze
    "オプション",                                  // Jap
    "옵션");                                        // Kor

const TText TxtExit = Ten(
    "Exit",                                        // Eng
    "Выход",                                       // Rus
    "Beenden",                                     // Deu
    "Quitter",                                     // Fra
    "Salir",                                       // Spa
    "退出",                                        // Chi
    "Esci",                                        // Ita
    "Konec",                                       // Cze
    "終了",                                        // Jap
    "종료");                                        // Kor

const TText TxtHelp = Ten(
    "Help",                                        // Eng
    "Помощь",                                      // Rus
    "Hilfe",                                       // Deu
    "Aide",                                        // Fra
    "Ayuda",                                       // Spa
    "帮助",                                        // Chi
    "Guida",                                       // Ita
    "Nápověda",                                    // Cze
    "ヘルプ",                                      // Jap
    "도움말");                                      // Kor

const TText TxtAbout = Ten(
    "About",                                       // Eng
    "О программе",                                 // Rus
    "Über",                                        // Deu
    "À propos",                                    // Fra
    "Acerca de",                                   // Spa
    "关于",                                        // Chi
    "Informazioni",                                // Ita
    "O programu",                                  // Cze
    "バージョン情報",                              // Jap
    "정보");                                        // Kor

const TText TxtDedication = Ten(
    "Dedication",                                  // Eng
    "Посвящение",                                  // Rus
    "Widmung",                                     // Deu
    "Dédicace",                                    // Fra
    "Dedicatoria",                                 // Spa
    "献词",                                        // Chi
    "Dedica",                                      // Ita
    "Věnování",                                    // Cze
    "献辞",                                        // Jap
    "헌사");                                        // Kor

const TText TxtChangeName = Ten(
    "To change a name",                            // Eng
    "Сменить имя",                                 // Rus
    "Namen ändern",                                // Deu
    "Changer de nom",                              // Fra
    "Cambiar el nombre",                           // Spa
    "更改名字",                                    // Chi
    "Cambia nome",                                 // Ita
    "Změnit jméno",                                // Cze
    "名前を変更",                                  // Jap
    "이름 바꾸기");                                 // Kor

const TText TxtExitToMenu = Ten(
    "Exit to menu",                                // Eng
    "Выйти",                                       // Rus
    "Ins Menü",                                    // Deu
    "Quitter",                                     // Fra
    "Salir al menú",                               // Spa
    "退出到菜单",                                  // Chi
    "Esci al menu",                                // Ita
    "Odejít",                                      // Cze
    "やめる",                                      // Jap
    "메뉴로 나가기");                               // Kor

const TText TxtDownload = Ten(
    "Download",                                    // Eng
    "Скачать",                                     // Rus
    "Herunterladen",                               // Deu
    "Télécharger",                                 // Fra
    "Descargar",                                   // Spa
    "下载",                                        // Chi
    "Scarica",                                     // Ita
    "Stáhnout",                                    // Cze
    "ダウンロード",                                // Jap
    "다운로드");                                    // Kor

const TText TxtStatistics = Ten(
    "Statistics",                                  // Eng
    "Статистика",                                  // Rus
    "Statistik",                                   // Deu
    "Statistiques",                                // Fra
    "Estadísticas",                                // Spa
    "统计",                                        // Chi
    "Statistiche",                                 // Ita
    "Statistika",                                  // Cze
    "統計",                                        // Jap
    "통계");                                        // Kor

// between the quoted product name and "Google Play": a hint and the first part of a message
const TText TxtOn = Ten(
    " on ",                                        // Eng
    " в ",                                         // Rus
    " auf ",                                       // Deu
    " sur ",                                       // Fra
    " en ",                                        // Spa
    "的",                                          // Chi
    " su ",                                        // Ita
    " na ",                                        // Cze
    "の",                                          // Jap
    "의 ");                                         // Kor

// the column header of the club list, spaced to stand over its three columns
const TText TxtClubMembersTitle = Ten(
    " The members of club      Rounds      Score ",  // Eng
    " Члены клуба          Раунды      Очки ",     // Rus
    " Clubmitglieder       Runden      Punkte ",   // Deu
    " Membres du club      Manches      Points ",  // Fra
    " Miembros del club      Rondas      Puntos ",  // Spa
    " 俱乐部成员            局数          得分 ",  // Chi
    " Membri del club      Turni      Punti ",     // Ita
    " Členové klubu        Kola      Body ",       // Cze
    " クラブメンバー          ラウンド      得点 ",  // Jap
    " 클럽 회원            라운드      점수 ");     // Kor

const TText TxtUnknown = Ten(
    "Unknown",                                     // Eng
    "Неизвестный",                                 // Rus
    "Unbekannt",                                   // Deu
    "Inconnu",                                     // Fra
    "Desconocido",                                 // Spa
    "无名氏",                                      // Chi
    "Sconosciuto",                                 // Ita
    "Neznámý",                                     // Cze
    "名無し",                                      // Jap
    "무명");                                        // Kor

const TText TxtToBegin = Ten(
    "To Begin",                                    // Eng
    "Начать",                                      // Rus
    "Beginnen",                                    // Deu
    "Jouer",                                       // Fra
    "Empezar",                                     // Spa
    "开始",                                        // Chi
    "Inizia",                                      // Ita
    "Začít",                                       // Cze
    "開始",                                        // Jap
    "시작");                                        // Kor

const TText TxtToMenu = Ten(
    "To menu",                                     // Eng
    "В меню",                                      // Rus
    "Zum Menü",                                    // Deu
    "Au menu",                                     // Fra
    "Al menú",                                     // Spa
    "返回菜单",                                    // Chi
    "Al menu",                                     // Ita
    "Do menu",                                     // Cze
    "メニューへ",                                  // Jap
    "메뉴로");                                      // Kor

// the give-up caption
const TText TxtThatsAll = Ten(
    "That`s all",                                  // Eng
    "Сдаюсь",                                      // Rus
    "Aufgeben",                                    // Deu
    "Abandon",                                     // Fra
    "Rendirse",                                    // Spa
    "放弃",                                        // Chi
    "Mi arrendo",                                  // Ita
    "Vzdávám",                                     // Cze
    "降参",                                        // Jap
    "포기");                                        // Kor

const TText TxtToReshuffle = Ten(
    "To reshuffle",                                // Eng
    "Перемешать",                                  // Rus
    "Neu mischen",                                 // Deu
    "Rebattre",                                    // Fra
    "Rebarajar",                                   // Spa
    "重新洗牌",                                    // Chi
    "Rimescola",                                   // Ita
    "Zamíchat",                                    // Cze
    "シャッフル",                                  // Jap
    "다시 섞기");                                   // Kor

const TText TxtCollectCards = Ten(
    "Collect cards",                               // Eng
    "Собрать",                                     // Rus
    "Einsammeln",                                  // Deu
    "Ramasser",                                    // Fra
    "Recoger",                                     // Spa
    "收牌",                                        // Chi
    "Raccogli",                                    // Ita
    "Sebrat karty",                                // Cze
    "集める",                                      // Jap
    "카드 모으기");                                 // Kor

const TText TxtUndo = Ten(
    "Undo",                                        // Eng
    "Отменить",                                    // Rus
    "Zurück",                                      // Deu
    "Annuler",                                     // Fra
    "Deshacer",                                    // Spa
    "撤销",                                        // Chi
    "Annulla",                                     // Ita
    "Zpět",                                        // Cze
    "元に戻す",                                    // Jap
    "되돌리기");                                    // Kor

const TText TxtInfo = Ten(
    "Info",                                        // Eng
    "Инфо",                                        // Rus
    "Infos",                                       // Deu
    "Infos",                                       // Fra
    "Marcador",                                    // Spa
    "信息",                                        // Chi
    "Punteggio",                                   // Ita
    "Informace",                                   // Cze
    "情報",                                        // Jap
    "정보");                                        // Kor

// Picture Gallery: play the deal shown
const TText TxtGame = Ten(
    "Game",                                        // Eng
    "Игра",                                        // Rus
    "Spiel",                                       // Deu
    "Partie",                                      // Fra
    "Partida",                                     // Spa
    "开局",                                        // Chi
    "Partita",                                     // Ita
    "Hra",                                         // Cze
    "ゲーム",                                      // Jap
    "게임");                                        // Kor

const TText TxtLeaveToMenu = Ten(
    "You want to leave in the main menu?",         // Eng
    "Вы хотите выйти в главное меню?",             // Rus
    "Möchten Sie ins Hauptmenü zurückkehren?",     // Deu
    "Voulez-vous revenir au menu principal ?",     // Fra
    "¿Quieres volver al menú principal?",          // Spa
    "要返回主菜单吗？",                            // Chi
    "Vuoi tornare al menu principale?",            // Ita
    "Chcete se vrátit do hlavního menu?",          // Cze
    "メインメニューに戻りますか？",                // Jap
    "메인 메뉴로 돌아가시겠습니까?");               // Kor

const TText TxtLeaveGame = Ten(
    "You want to leave from game?",                // Eng
    "Вы хотите выйти из игры?",                    // Rus
    "Möchten Sie das Spiel beenden?",              // Deu
    "Voulez-vous quitter le jeu ?",                // Fra
    "¿Quieres salir del juego?",                   // Spa
    "要退出游戏吗？",                              // Chi
    "Vuoi uscire dal gioco?",                      // Ita
    "Chcete ukončit hru?",                         // Cze
    "ゲームを終了しますか？",                      // Jap
    "게임을 종료하시겠습니까?");                    // Kor

const TText TxtDataWillBeLost = Ten(
    "All datas for want of it will be lost!",      // Eng
    "Все данные при этом будут потеряны!",         // Rus
    "Dabei gehen alle Daten verloren!",            // Deu
    "Toutes les données seront alors perdues !",   // Fra
    "¡Se perderán todos los datos!",               // Spa
    "所有数据都将丢失！",                          // Chi
    "Tutti i dati andranno persi!",                // Ita
    "Všechna data budou ztracena!",                // Cze
    "すべてのデータが失われます！",                // Jap
    "모든 데이터가 사라집니다!");                   // Kor

const TText TxtWorldTopTenUnavailable = Ten(
    "World Top Ten Tournament is temporarily unavailable!",  // Eng
    "Турнир «Мировая десятка» временно недоступен!",  // Rus
    "Das Turnier „Welt-Top-10“ ist vorübergehend nicht verfügbar!",  // Deu
    "Le tournoi « Top 10 mondial » est temporairement indisponible !",  // Fra
    "El torneo «Top 10 mundial» no está disponible por ahora.",  // Spa
    "世界十强锦标赛暂时无法使用！",                // Chi
    "Il torneo «Top 10 mondiale» è momentaneamente non disponibile!",  // Ita
    "Turnaj Světová desítka je dočasně nedostupný!",  // Cze
    "世界トップ10トーナメントは現在利用できません！",  // Jap
    "세계 톱 10 토너먼트를 일시적으로 이용할 수 없습니다!");  // Kor

const TText TxtChatUnavailable = Ten(
    "Chat is temporarily unavailable!",            // Eng
    "Чат временно недоступен!",                    // Rus
    "Der Chat ist vorübergehend nicht verfügbar!",  // Deu
    "Le chat est temporairement indisponible !",   // Fra
    "El chat no está disponible por ahora.",       // Spa
    "聊天暂时无法使用！",                          // Chi
    "La chat è momentaneamente non disponibile!",  // Ita
    "Chat je dočasně nedostupný!",                 // Cze
    "チャットは現在利用できません！",              // Jap
    "채팅을 일시적으로 이용할 수 없습니다!");       // Kor

// after the quoted product name and a blank
const TText TxtApkUnavailable = Ten(
    "in Apk is temporarily unavailable!",          // Eng
    "в APK временно недоступен!",                  // Rus
    "ist als APK vorübergehend nicht verfügbar!",  // Deu
    "en APK est temporairement indisponible !",    // Fra
    "en APK no está disponible por ahora.",        // Spa
    "的APK暂时无法下载！",                         // Chi
    "in APK è momentaneamente non disponibile!",   // Ita
    "v APK je dočasně nedostupný!",                // Cze
    "のAPKは現在ダウンロードできません！",         // Jap
    "APK는 일시적으로 다운로드할 수 없습니다!");    // Kor

// after the quoted product name and TxtOn
const TText TxtGooglePlayUnavailable = Ten(
    "Google Play are temporarily unavailable!",    // Eng
    "Google Play временно недоступен!",            // Rus
    "Google Play ist vorübergehend nicht verfügbar!",  // Deu
    "Google Play est temporairement indisponible !",  // Fra
    "Google Play no está disponible por ahora.",   // Spa
    "Google Play页面暂时无法访问！",               // Chi
    "Google Play è momentaneamente non disponibile!",  // Ita
    "Google Play je dočasně nedostupný!",          // Cze
    "Google Playページは現在利用できません！",     // Jap
    "Google Play 페이지를 일시적으로 이용할 수 없습니다!");  // Kor

const TText TxtCouldNotConnect = Ten(
    "Could not connect to server!",                // Eng
    "Не удалось подключиться к серверу!",          // Rus
    "Keine Verbindung zum Server!",                // Deu
    "Impossible de se connecter au serveur !",     // Fra
    "¡No se pudo conectar con el servidor!",       // Spa
    "无法连接到服务器！",                          // Chi
    "Impossibile connettersi al server!",          // Ita
    "Nelze se připojit k serveru!",                // Cze
    "サーバーに接続できません！",                  // Jap
    "서버에 연결할 수 없습니다!");                  // Kor

const TText TxtRepeat = Ten(
    "Repeat?",                                     // Eng
    "Повторить?",                                  // Rus
    "Erneut versuchen?",                           // Deu
    "Réessayer ?",                                 // Fra
    "¿Reintentar?",                                // Spa
    "要重试吗？",                                  // Chi
    "Riprovare?",                                  // Ita
    "Zkusit znovu?",                               // Cze
    "再試行しますか？",                            // Jap
    "다시 시도하시겠습니까?");                      // Kor

const TText TxtCantWriteResult = Ten(
    "Unable to write the result of the game!",     // Eng
    "Не удалось записать результат игры!",         // Rus
    "Das Spielergebnis konnte nicht gespeichert werden!",  // Deu
    "Impossible d'enregistrer le résultat de la partie !",  // Fra
    "¡No se pudo guardar el resultado de la partida!",  // Spa
    "无法保存游戏结果！",                          // Chi
    "Impossibile salvare il risultato della partita!",  // Ita
    "Výsledek hry nelze uložit!",                  // Cze
    "ゲームの結果を保存できません！",              // Jap
    "게임 결과를 저장할 수 없습니다!");             // Kor

const TText TxtExcuse = Ten(
    "Excuse!",                                     // Eng
    "Извините!",                                   // Rus
    "Entschuldigung!",                             // Deu
    "Désolé !",                                    // Fra
    "¡Lo sentimos!",                               // Spa
    "抱歉！",                                      // Chi
    "Ci scusiamo!",                                // Ita
    "Omlouváme se!",                               // Cze
    "申し訳ありません！",                          // Jap
    "죄송합니다!");                                 // Kor

const TText TxtHelpNotTranslated = Ten(
    "The file of the help is not translated to the English language.",  // Eng
    "Справка пока не переведена на русский язык.",  // Rus
    "Die Hilfe ist noch nicht ins Deutsche übersetzt.",  // Deu
    "L'aide n'est pas encore traduite en français.",  // Fra
    "La ayuda aún no está traducida al español.",  // Spa
    "帮助文件尚未翻译成中文。",                    // Chi
    "La guida non è ancora tradotta in italiano.",  // Ita
    "Nápověda zatím není přeložena do češtiny.",   // Cze
    "ヘルプはまだ日本語に翻訳されていません。",    // Jap
    "도움말이 아직 한국어로 번역되지 않았습니다.");  // Kor

const TText TxtGameOnRating = Ten(
    "There is a game on the rating!",              // Eng
    "Идёт игра на рейтинг!",                       // Rus
    "Ein Ranglistenspiel läuft!",                  // Deu
    "Partie classée en cours !",                   // Fra
    "¡Partida clasificatoria en curso!",           // Spa
    "正在进行排名赛！",                            // Chi
    "Partita classificata in corso!",              // Ita
    "Probíhá hodnocená hra!",                      // Cze
    "ランキング戦をプレイ中！",                    // Jap
    "랭킹 게임 진행 중!");                          // Kor

const TText TxtNotLoggedIn = Ten(
    "You are not logged in to your account!",      // Eng
    "Вы не вошли в свой аккаунт!",                 // Rus
    "Sie sind nicht in Ihrem Konto angemeldet!",   // Deu
    "Vous n'êtes pas connecté à votre compte !",   // Fra
    "¡No has iniciado sesión en tu cuenta!",       // Spa
    "您尚未登录账户！",                            // Chi
    "Non hai effettuato l'accesso al tuo account!",  // Ita
    "Nejste přihlášeni ke svému účtu!",            // Cze
    "アカウントにログインしていません！",          // Jap
    "계정에 로그인하지 않았습니다!");               // Kor

const TText TxtLoggedIn = Ten(
    "You are logged in to your account!",          // Eng
    "Вы вошли в свой аккаунт!",                    // Rus
    "Sie sind in Ihrem Konto angemeldet!",         // Deu
    "Vous êtes connecté à votre compte !",         // Fra
    "¡Has iniciado sesión en tu cuenta!",          // Spa
    "您已登录账户！",                              // Chi
    "Hai effettuato l'accesso al tuo account!",    // Ita
    "Jste přihlášeni ke svému účtu!",              // Cze
    "アカウントにログインしています！",            // Jap
    "계정에 로그인되어 있습니다!");                 // Kor

} // namespace Texts
