// Club sign-in dialog and the move question.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtWelcome = Ten(
    "Welcome!",                                    // Eng
    "Добро пожаловать!",                           // Rus
    "Willkommen!",                                 // Deu
    "Bienvenue !",                                 // Fra
    "¡Bienvenido!",                                // Spa
    "欢迎！",                                      // Chi
    "Benvenuto!",                                  // Ita
    "Vítejte!",                                    // Cze
    "ようこそ！",                                  // Jap
    "환영합니다!");                                 // Kor

const TText TxtEnterName = Ten(
    "Enter Your name:",                            // Eng
    "Введите ваше имя:",                           // Rus
    "Ihr Name:",                                   // Deu
    "Votre nom :",                                 // Fra
    "Escribe tu nombre:",                          // Spa
    "请输入名字：",                                // Chi
    "Inserisci il tuo nome:",                      // Ita
    "Zadejte své jméno:",                          // Cze
    "名前を入力:",                                 // Jap
    "이름을 입력하세요:");                          // Kor

const TText TxtEnterPassword = Ten(
    "Enter Your password:",                        // Eng
    "Введите пароль:",                             // Rus
    "Ihr Passwort:",                               // Deu
    "Votre mot de passe :",                        // Fra
    "Escribe tu contraseña:",                      // Spa
    "请输入密码：",                                // Chi
    "Inserisci la password:",                      // Ita
    "Zadejte heslo:",                              // Cze
    "パスワードを入力:",                           // Jap
    "비밀번호를 입력하세요:");                      // Kor

const TText TxtPasswordAgain = Ten(
    "And once again for check...",                 // Eng
    "И ещё раз для проверки...",                   // Rus
    "Zur Kontrolle noch einmal...",                // Deu
    "Encore une fois pour vérifier...",            // Fra
    "Y otra vez para comprobar...",                // Spa
    "请再输入一次以确认...",                       // Chi
    "Ancora una volta per conferma...",            // Ita
    "A ještě jednou pro kontrolu...",              // Cze
    "確認のためもう一度...",                       // Jap
    "확인을 위해 한 번 더...");                     // Kor

const TText TxtCancel = Ten(
    "Cancel",                                      // Eng
    "Отмена",                                      // Rus
    "Abbrechen",                                   // Deu
    "Annuler",                                     // Fra
    "Cancelar",                                    // Spa
    "取消",                                        // Chi
    "Annulla",                                     // Ita
    "Zrušit",                                      // Cze
    "キャンセル",                                  // Jap
    "취소");                                        // Kor

const TText TxtIncorrectName = Ten(
    "Incorrect name!",                             // Eng
    "Неверное имя!",                               // Rus
    "Ungültiger Name!",                            // Deu
    "Nom incorrect !",                             // Fra
    "¡Nombre incorrecto!",                         // Spa
    "名字无效！",                                  // Chi
    "Nome non valido!",                            // Ita
    "Neplatné jméno!",                             // Cze
    "名前が正しくありません！",                    // Jap
    "잘못된 이름입니다!");                          // Kor

// a name with characters that the club file cannot hold
const TText TxtNameCharsNotAllowed = Ten(
    "Use only Latin or Cyrillic letters, digits and signs in the name!",  // Eng
    "Используйте в имени только латинские или русские буквы, цифры и знаки!",  // Rus
    "Im Namen nur lateinische oder kyrillische Buchstaben, Ziffern und Zeichen verwenden!",  // Deu
    "N'utilisez que des lettres latines ou cyrilliques, des chiffres et des signes dans le nom !",  // Fra
    "¡Usa solo letras latinas o cirílicas, cifras y signos en el nombre!",  // Spa
    "名字只能使用拉丁字母、西里尔字母、数字和符号！",  // Chi
    "Nel nome usa solo lettere latine o cirilliche, cifre e segni!",  // Ita
    "Ve jménu používejte jen latinská nebo cyrilská písmena, číslice a znaky!",  // Cze
    "名前にはラテン文字、キリル文字、数字、記号だけを使ってください！",  // Jap
    "이름에는 라틴 문자, 키릴 문자, 숫자, 기호만 사용할 수 있습니다!");  // Kor

const TText TxtPasswordsDiffer = Ten(
    "The passwords do not coincide!",              // Eng
    "Пароли не совпадают!",                        // Rus
    "Die Passwörter stimmen nicht überein!",       // Deu
    "Les mots de passe ne correspondent pas !",    // Fra
    "¡Las contraseñas no coinciden!",              // Spa
    "两次输入的密码不一致！",                      // Chi
    "Le password non coincidono!",                 // Ita
    "Hesla se neshodují!",                         // Cze
    "パスワードが一致しません！",                  // Jap
    "비밀번호가 일치하지 않습니다!");               // Kor

const TText TxtIncorrectPassword = Ten(
    "The incorrect password!",                     // Eng
    "Неверный пароль!",                            // Rus
    "Falsches Passwort!",                          // Deu
    "Mot de passe incorrect !",                    // Fra
    "¡Contraseña incorrecta!",                     // Spa
    "密码错误！",                                  // Chi
    "Password errata!",                            // Ita
    "Nesprávné heslo!",                            // Cze
    "パスワードが違います！",                      // Jap
    "비밀번호가 틀렸습니다!");                      // Kor

const TText TxtWhatCardsToShift = Ten(
    "What cards to shift?",                        // Eng
    "Какие карты переложить?",                     // Rus
    "Welche Karten verschieben?",                  // Deu
    "Quelles cartes déplacer ?",                   // Fra
    "¿Qué cartas mover?",                          // Spa
    "要移动哪些牌？",                              // Chi
    "Quali carte spostare?",                       // Ita
    "Které karty přesunout?",                      // Cze
    "どのカードを動かしますか？",                  // Jap
    "어떤 카드를 옮길까요?");                       // Kor

const TText TxtAll = Ten(
    "All",                                         // Eng
    "Все",                                         // Rus
    "Alle",                                        // Deu
    "Toutes",                                      // Fra
    "Todas",                                       // Spa
    "全部",                                        // Chi
    "Tutte",                                       // Ita
    "Všechny",                                     // Cze
    "すべて",                                      // Jap
    "전부");                                        // Kor

const TText TxtYes = Ten(
    "Yes",                                         // Eng
    "Да",                                          // Rus
    "Ja",                                          // Deu
    "Oui",                                         // Fra
    "Sí",                                          // Spa
    "是",                                          // Chi
    "Sì",                                          // Ita
    "Ano",                                         // Cze
    "はい",                                        // Jap
    "예");                                          // Kor

const TText TxtNo = Ten(
    "No",                                          // Eng
    "Нет",                                         // Rus
    "Nein",                                        // Deu
    "Non",                                         // Fra
    "No",                                          // Spa
    "否",                                          // Chi
    "No",                                          // Ita
    "Ne",                                          // Cze
    "いいえ",                                      // Jap
    "아니요");                                      // Kor

} // namespace Texts
