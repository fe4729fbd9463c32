// End-of-game window, champions list, dedication window and about box.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtCompletionOfGame = Ten(
    "The completion of game",                      // Eng
    "Завершение игры",                             // Rus
    "Spielende",                                   // Deu
    "Fin de partie",                               // Fra
    "Fin de la partida",                           // Spa
    "游戏结束",                                    // Chi
    "Fine della partita",                          // Ita
    "Konec hry",                                   // Cze
    "ゲーム終了",                                  // Jap
    "게임 종료");                                   // Kor

const TText TxtCongratulations = Ten(
    "CONGRATULATIONS!!!",                          // Eng
    "ПОЗДРАВЛЯЕМ!!!",                              // Rus
    "GLÜCKWUNSCH!!!",                              // Deu
    "FÉLICITATIONS !!!",                           // Fra
    "¡¡¡ENHORABUENA!!!",                           // Spa
    "恭喜！！！",                                  // Chi
    "CONGRATULAZIONI!!!",                          // Ita
    "GRATULUJEME!!!",                              // Cze
    "おめでとう！！！",                            // Jap
    "축하합니다!!!");                               // Kor

const TText TxtBestResult = Ten(
    "Your result - the best!",                     // Eng
    "Ваш результат — лучший!",                     // Rus
    "Ihr Ergebnis ist das beste!",                 // Deu
    "Votre résultat est le meilleur !",            // Fra
    "¡Tu resultado es el mejor!",                  // Spa
    "您的成绩是最好的！",                          // Chi
    "Il tuo risultato è il migliore!",             // Ita
    "Váš výsledek je nejlepší!",                   // Cze
    "あなたの成績が一番です！",                    // Jap
    "최고 기록입니다!");                            // Kor

const TText TxtBecomeChairman = Ten(
    "You become the chairman of club!",            // Eng
    "Вы стали председателем клуба!",               // Rus
    "Sie sind jetzt Vorsitzender des Clubs!",      // Deu
    "Vous devenez président du club !",            // Fra
    "¡Te conviertes en presidente del club!",      // Spa
    "您成为了俱乐部主席！",                        // Chi
    "Diventi presidente del club!",                // Ita
    "Stáváte se předsedou klubu!",                 // Cze
    "クラブの会長になりました！",                  // Jap
    "클럽 회장이 되었습니다!");                     // Kor

const TText TxtGoodResult = Ten(
    "Good result!",                                // Eng
    "Хороший результат!",                          // Rus
    "Gutes Ergebnis!",                             // Deu
    "Bon résultat !",                              // Fra
    "¡Buen resultado!",                            // Spa
    "成绩不错！",                                  // Chi
    "Buon risultato!",                             // Ita
    "Dobrý výsledek!",                             // Cze
    "良い成績です！",                              // Jap
    "좋은 기록입니다!");                            // Kor

const TText TxtInTopTen = Ten(
    "You have hitted in top ten players!",         // Eng
    "Вы попали в десятку лучших!",                 // Rus
    "Sie sind unter den zehn Besten!",             // Deu
    "Vous êtes parmi les dix meilleurs !",         // Fra
    "¡Estás entre los diez mejores!",              // Spa
    "您进入了前十名！",                            // Chi
    "Sei tra i primi dieci!",                      // Ita
    "Jste mezi deseti nejlepšími!",                // Cze
    "トップ10入りしました！",                      // Jap
    "상위 10위에 들었습니다!");                     // Kor

const TText TxtOurRegrets = Ten(
    "Our regrets...",                              // Eng
    "Увы...",                                      // Rus
    "Schade...",                                   // Deu
    "Dommage...",                                  // Fra
    "Lo sentimos...",                              // Spa
    "很遗憾...",                                   // Chi
    "Peccato...",                                  // Ita
    "Bohužel...",                                  // Cze
    "残念...",                                     // Jap
    "아쉽네요...");                                 // Kor

const TText TxtWishBetter = Ten(
    "Your result keeps to wish best",              // Eng
    "Ваш результат оставляет желать лучшего",      // Rus
    "Ihr Ergebnis lässt zu wünschen übrig",        // Deu
    "Votre résultat laisse à désirer",             // Fra
    "Tu resultado deja que desear",                // Spa
    "您的成绩还有待提高",                          // Chi
    "Il tuo risultato lascia a desiderare",        // Ita
    "Váš výsledek má rezervy",                     // Cze
    "もう少し頑張りましょう",                      // Jap
    "조금 더 분발하세요");                          // Kor

const TText TxtNotInTopTen = Ten(
    "You have not hitted in ten best players...",  // Eng
    "Вы не попали в десятку лучших...",            // Rus
    "Sie sind nicht unter den zehn Besten...",     // Deu
    "Vous n'êtes pas parmi les dix meilleurs...",  // Fra
    "No estás entre los diez mejores...",          // Spa
    "您未能进入前十名...",                         // Chi
    "Non sei tra i primi dieci...",                // Ita
    "Nejste mezi deseti nejlepšími...",            // Cze
    "トップ10には入れませんでした...",             // Jap
    "상위 10위에 들지 못했습니다...");              // Kor

const TText TxtResult = Ten(
    "Result: ",                                    // Eng
    "Результат: ",                                 // Rus
    "Ergebnis: ",                                  // Deu
    "Résultat : ",                                 // Fra
    "Resultado: ",                                 // Spa
    "成绩：",                                      // Chi
    "Risultato: ",                                 // Ita
    "Výsledek: ",                                  // Cze
    "成績: ",                                      // Jap
    "기록: ");                                      // Kor

const TText TxtPlace = Ten(
    "Place: ",                                     // Eng
    "Место: ",                                     // Rus
    "Platz: ",                                     // Deu
    "Rang : ",                                     // Fra
    "Puesto: ",                                    // Spa
    "名次：",                                      // Chi
    "Posto: ",                                     // Ita
    "Místo: ",                                     // Cze
    "順位: ",                                      // Jap
    "순위: ");                                      // Kor

// then a blank, the reward, a blank, TxtQyvs and "!!!"
const TText TxtYouGet = Ten(
    "You get",                                     // Eng
    "Вы получаете",                                // Rus
    "Sie erhalten",                                // Deu
    "Vous gagnez",                                 // Fra
    "Recibes",                                     // Spa
    "您获得",                                      // Chi
    "Ricevi",                                      // Ita
    "Získáváte",                                   // Cze
    "獲得:",                                       // Jap
    "획득:");                                       // Kor

// the currency of the online club: a name, the same everywhere
const TText TxtQyvs = Ten(
    "Qyvs",                                        // Eng
    "Qyvs",                                        // Rus
    "Qyvs",                                        // Deu
    "Qyvs",                                        // Fra
    "Qyvs",                                        // Spa
    "Qyvs",                                        // Chi
    "Qyvs",                                        // Ita
    "Qyvs",                                        // Cze
    "Qyvs",                                        // Jap
    "Qyvs");                                        // Kor

// the dedication window
const TText DedicationTexts = Ten(
    "To everyone who deals one more game before bed.",  // Eng
    "Всем, кто раскладывает ещё один пасьянс перед сном.",  // Rus
    "Für alle, die vor dem Schlafengehen noch eine Patience legen.",  // Deu
    "À tous ceux qui font encore une réussite avant de dormir.",  // Fra
    "Para todos los que juegan un solitario más antes de dormir.",  // Spa
    "献给每一位睡前还要再玩一局的人。",            // Chi
    "A chi fa ancora un solitario prima di dormire.",  // Ita
    "Všem, kdo si před spaním vyloží ještě jeden pasiáns.",  // Cze
    "寝る前にもう一局並べるすべての人へ。",        // Jap
    "잠들기 전 한 판 더 펼치는 모든 분께.");        // Kor

// about box: the place under the version and the date
const TText TxtAboutPlace = Ten(
    "Planet Earth",                                // Eng
    "Планета Земля",                               // Rus
    "Planet Erde",                                 // Deu
    "Planète Terre",                               // Fra
    "Planeta Tierra",                              // Spa
    "地球",                                        // Chi
    "Pianeta Terra",                               // Ita
    "Planeta Země",                                // Cze
    "地球",                                        // Jap
    "지구");                                        // Kor

const TText TxtAuthorsHeading = Ten(
    "Authors:",                                    // Eng
    "Авторы:",                                     // Rus
    "Autoren:",                                    // Deu
    "Auteurs :",                                   // Fra
    "Autores:",                                    // Spa
    "作者：",                                      // Chi
    "Autori:",                                     // Ita
    "Autoři:",                                     // Cze
    "作者:",                                       // Jap
    "제작자:");                                     // Kor

const TText TxtAuthorsLine = Ten(
    "The Vardelin team",                           // Eng
    "Команда «Варделин»",                          // Rus
    "Das Vardelin-Team",                           // Deu
    "L'équipe Vardelin",                           // Fra
    "El equipo de Vardelin",                       // Spa
    "瓦尔德林团队",                                // Chi
    "Il team di Vardelin",                         // Ita
    "Tým Vardelin",                                // Cze
    "ヴァルデリン・チーム",                        // Jap
    "바르델린 팀");                                 // Kor

const TText TxtAuthorOfIdea = Ten(
    "The author of idea:",                         // Eng
    "Автор идеи:",                                 // Rus
    "Idee:",                                       // Deu
    "Idée originale :",                            // Fra
    "Idea original:",                              // Spa
    "创意：",                                      // Chi
    "Idea:",                                       // Ita
    "Autor nápadu:",                               // Cze
    "原案:",                                       // Jap
    "아이디어:");                                   // Kor

const TText TxtProgrammingPhp = Ten(
    "Programming php:",                            // Eng
    "Программирование php:",                       // Rus
    "PHP-Programmierung:",                         // Deu
    "Programmation PHP :",                         // Fra
    "Programación PHP:",                           // Spa
    "PHP编程：",                                   // Chi
    "Programmazione PHP:",                         // Ita
    "Programování PHP:",                           // Cze
    "PHPプログラミング:",                          // Jap
    "PHP 프로그래밍:");                             // Kor

const TText TxtProgrammingPhpLine = Ten(
    "The Vardelin server team",                    // Eng
    "Серверная команда «Варделин»",                // Rus
    "Das Vardelin-Serverteam",                     // Deu
    "L'équipe serveur Vardelin",                   // Fra
    "El equipo de servidores de Vardelin",         // Spa
    "瓦尔德林服务器团队",                          // Chi
    "Il team server di Vardelin",                  // Ita
    "Serverový tým Vardelin",                      // Cze
    "ヴァルデリン・サーバーチーム",                // Jap
    "바르델린 서버 팀");                            // Kor

const TText TxtSeparateThanks = Ten(
    "Separate thank you:",                         // Eng
    "Отдельное спасибо:",                          // Rus
    "Besonderer Dank:",                            // Deu
    "Remerciements :",                             // Fra
    "Agradecimientos:",                            // Spa
    "特别感谢：",                                  // Chi
    "Ringraziamenti:",                             // Ita
    "Zvláštní poděkování:",                        // Cze
    "スペシャルサンクス:",                         // Jap
    "특별히 감사드립니다:");                        // Kor

const TText TxtForResourceAuthors = Ten(
    "For resource authors",                        // Eng
    "Авторам ресурсов",                            // Rus
    "Den Autoren der Ressourcen",                  // Deu
    "Aux auteurs des ressources",                  // Fra
    "A los autores de los recursos",               // Spa
    "致各位素材作者",                              // Chi
    "Agli autori delle risorse",                   // Ita
    "Autorům podkladů",                            // Cze
    "素材の作者の皆様",                            // Jap
    "리소스 제작자 여러분");                        // Kor

const TText TxtMoreInHelp = Ten(
    "More in detail in the help",                  // Eng
    "Подробнее в справке",                         // Rus
    "Mehr dazu in der Hilfe",                      // Deu
    "Plus de détails dans l'aide",                 // Fra
    "Más detalles en la ayuda",                    // Spa
    "详情请见帮助",                                // Chi
    "Maggiori dettagli nella guida",               // Ita
    "Podrobnosti v nápovědě",                      // Cze
    "詳しくはヘルプをご覧ください",                // Jap
    "자세한 내용은 도움말을 참고하세요");           // Kor

const TText TxtOfficialSite = Ten(
    "Official site:",                              // Eng
    "Официальный сайт:",                           // Rus
    "Offizielle Website:",                         // Deu
    "Site officiel :",                             // Fra
    "Sitio oficial:",                              // Spa
    "官方网站：",                                  // Chi
    "Sito ufficiale:",                             // Ita
    "Oficiální web:",                              // Cze
    "公式サイト:",                                 // Jap
    "공식 사이트:");                                // Kor

const TText TxtEMail = Ten(
    "E-mail:",                                     // Eng
    "Эл. почта:",                                  // Rus
    "E-Mail:",                                     // Deu
    "Courriel :",                                  // Fra
    "Correo:",                                     // Spa
    "电子邮件：",                                  // Chi
    "Email:",                                      // Ita
    "E-mailová adresa:",                           // Cze
    "メール:",                                     // Jap
    "이메일:");                                     // Kor

const TText TxtAutoMethodFailed = Ten(
    "Auto method failed.",                         // Eng
    "Не удалось открыть почтовую программу.",      // Rus
    "Das E-Mail-Programm konnte nicht geöffnet werden.",  // Deu
    "Impossible d'ouvrir le logiciel de messagerie.",  // Fra
    "No se pudo abrir el programa de correo.",     // Spa
    "无法打开邮件程序。",                          // Chi
    "Impossibile aprire il programma di posta.",   // Ita
    "Poštovní program nelze otevřít.",             // Cze
    "メールソフトを開けませんでした。",            // Jap
    "메일 프로그램을 열 수 없습니다.");             // Kor

} // namespace Texts
