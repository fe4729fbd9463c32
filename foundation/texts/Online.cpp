// Online services: chat, world top ten, account, profile, statistics and transfers.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtCantSendMessage = Ten(
    "Unable to send a message!",                   // Eng
    "Не удалось отправить сообщение!",             // Rus
    "Nachricht konnte nicht gesendet werden!",     // Deu
    "Impossible d'envoyer le message !",           // Fra
    "¡No se pudo enviar el mensaje!",              // Spa
    "消息发送失败！",                              // Chi
    "Impossibile inviare il messaggio!",           // Ita
    "Zprávu nelze odeslat!",                       // Cze
    "メッセージを送信できません！",                // Jap
    "메시지를 보낼 수 없습니다!");                  // Kor

const TText TxtSend = Ten(
    "Send",                                        // Eng
    "Отправить",                                   // Rus
    "Senden",                                      // Deu
    "Envoyer",                                     // Fra
    "Enviar",                                      // Spa
    "发送",                                        // Chi
    "Invia",                                       // Ita
    "Odeslat",                                     // Cze
    "送信",                                        // Jap
    "보내기");                                      // Kor

const TText TxtClose = Ten(
    "Close",                                       // Eng
    "Закрыть",                                     // Rus
    "Schließen",                                   // Deu
    "Fermer",                                      // Fra
    "Cerrar",                                      // Spa
    "关闭",                                        // Chi
    "Chiudi",                                      // Ita
    "Zavřít",                                      // Cze
    "閉じる",                                      // Jap
    "닫기");                                        // Kor

const TText TxtYourScore = Ten(
    "Your score",                                  // Eng
    "Ваши очки",                                   // Rus
    "Ihre Punkte",                                 // Deu
    "Votre score",                                 // Fra
    "Tu puntuación",                               // Spa
    "您的得分",                                    // Chi
    "Il tuo punteggio",                            // Ita
    "Vaše skóre",                                  // Cze
    "あなたの得点",                                // Jap
    "내 점수");                                     // Kor

const TText TxtYourPlace = Ten(
    "Your place",                                  // Eng
    "Ваше место",                                  // Rus
    "Ihr Platz",                                   // Deu
    "Votre rang",                                  // Fra
    "Tu puesto",                                   // Spa
    "您的名次",                                    // Chi
    "La tua posizione",                            // Ita
    "Vaše umístění",                               // Cze
    "あなたの順位",                                // Jap
    "내 순위");                                     // Kor

const TText TxtNumberOfGames = Ten(
    "Number of games",                             // Eng
    "Количество игр",                              // Rus
    "Anzahl der Spiele",                           // Deu
    "Nombre de parties",                           // Fra
    "Número de partidas",                          // Spa
    "游戏局数",                                    // Chi
    "Numero di partite",                           // Ita
    "Počet her",                                   // Cze
    "ゲーム数",                                    // Jap
    "게임 수");                                     // Kor

// the player's identity card of the world top ten
const TText TxtPassport = Ten(
    "Passport",                                    // Eng
    "Паспорт",                                     // Rus
    "Ausweis",                                     // Deu
    "Profil",                                      // Fra
    "Perfil",                                      // Spa
    "档案",                                        // Chi
    "Profilo",                                     // Ita
    "Průkaz",                                      // Cze
    "プロフィール",                                // Jap
    "프로필");                                      // Kor

const TText TxtNick = Ten(
    "Nick",                                        // Eng
    "Ник",                                         // Rus
    "Spitzname",                                   // Deu
    "Pseudo",                                      // Fra
    "Apodo",                                       // Spa
    "昵称",                                        // Chi
    "Soprannome",                                  // Ita
    "Přezdívka",                                   // Cze
    "ニックネーム",                                // Jap
    "닉네임");                                      // Kor

const TText TxtCountry = Ten(
    "Country",                                     // Eng
    "Страна",                                      // Rus
    "Land",                                        // Deu
    "Pays",                                        // Fra
    "País",                                        // Spa
    "国家",                                        // Chi
    "Paese",                                       // Ita
    "Země",                                        // Cze
    "国",                                          // Jap
    "국가");                                        // Kor

const TText TxtCity = Ten(
    "City",                                        // Eng
    "Город",                                       // Rus
    "Stadt",                                       // Deu
    "Ville",                                       // Fra
    "Ciudad",                                      // Spa
    "城市",                                        // Chi
    "Città",                                       // Ita
    "Město",                                       // Cze
    "都市",                                        // Jap
    "도시");                                        // Kor

const TText TxtSex = Ten(
    "Sex",                                         // Eng
    "Пол",                                         // Rus
    "Geschlecht",                                  // Deu
    "Sexe",                                        // Fra
    "Sexo",                                        // Spa
    "性别",                                        // Chi
    "Sesso",                                       // Ita
    "Pohlaví",                                     // Cze
    "性別",                                        // Jap
    "성별");                                        // Kor

// continents: names
const TText TxtEurope = Ten(
    "Europe",                                      // Eng
    "Европа",                                      // Rus
    "Europa",                                      // Deu
    "Europe",                                      // Fra
    "Europa",                                      // Spa
    "欧洲",                                        // Chi
    "Europa",                                      // Ita
    "Evropa",                                      // Cze
    "ヨーロッパ",                                  // Jap
    "유럽");                                        // Kor

const TText TxtAsia = Ten(
    "Asia",                                        // Eng
    "Азия",                                        // Rus
    "Asien",                                       // Deu
    "Asie",                                        // Fra
    "Asia",                                        // Spa
    "亚洲",                                        // Chi
    "Asia",                                        // Ita
    "Asie",                                        // Cze
    "アジア",                                      // Jap
    "아시아");                                      // Kor

const TText TxtNorthAmerica = Ten(
    "North America",                               // Eng
    "Северная Америка",                            // Rus
    "Nordamerika",                                 // Deu
    "Amérique du Nord",                            // Fra
    "América del Norte",                           // Spa
    "北美洲",                                      // Chi
    "America del Nord",                            // Ita
    "Severní Amerika",                             // Cze
    "北アメリカ",                                  // Jap
    "북아메리카");                                  // Kor

const TText TxtSouthAmerica = Ten(
    "South America",                               // Eng
    "Южная Америка",                               // Rus
    "Südamerika",                                  // Deu
    "Amérique du Sud",                             // Fra
    "América del Sur",                             // Spa
    "南美洲",                                      // Chi
    "America del Sud",                             // Ita
    "Jižní Amerika",                               // Cze
    "南アメリカ",                                  // Jap
    "남아메리카");                                  // Kor

const TText TxtOceania = Ten(
    "Oceania",                                     // Eng
    "Океания",                                     // Rus
    "Ozeanien",                                    // Deu
    "Océanie",                                     // Fra
    "Oceanía",                                     // Spa
    "大洋洲",                                      // Chi
    "Oceania",                                     // Ita
    "Oceánie",                                     // Cze
    "オセアニア",                                  // Jap
    "오세아니아");                                  // Kor

const TText TxtAfrica = Ten(
    "Africa",                                      // Eng
    "Африка",                                      // Rus
    "Afrika",                                      // Deu
    "Afrique",                                     // Fra
    "África",                                      // Spa
    "非洲",                                        // Chi
    "Africa",                                      // Ita
    "Afrika",                                      // Cze
    "アフリカ",                                    // Jap
    "아프리카");                                    // Kor

const TText TxtMale = Ten(
    "Male",                                        // Eng
    "Мужской",                                     // Rus
    "Männlich",                                    // Deu
    "Homme",                                       // Fra
    "Hombre",                                      // Spa
    "男",                                          // Chi
    "Uomo",                                        // Ita
    "Muž",                                         // Cze
    "男性",                                        // Jap
    "남성");                                        // Kor

const TText TxtFemale = Ten(
    "Female",                                      // Eng
    "Женский",                                     // Rus
    "Weiblich",                                    // Deu
    "Femme",                                       // Fra
    "Mujer",                                       // Spa
    "女",                                          // Chi
    "Donna",                                       // Ita
    "Žena",                                        // Cze
    "女性",                                        // Jap
    "여성");                                        // Kor

const TText TxtChatTitle = Ten(
    "Qyv Games Chat",                              // Eng
    "Чат Qyv Games",                               // Rus
    "Qyv-Games-Chat",                              // Deu
    "Chat Qyv Games",                              // Fra
    "Chat de Qyv Games",                           // Spa
    "Qyv Games 聊天室",                            // Chi
    "Chat di Qyv Games",                           // Ita
    "Chat Qyv Games",                              // Cze
    "Qyv Games チャット",                          // Jap
    "Qyv Games 채팅");                              // Kor

const TText TxtLastMessageAtBottom = Ten(
    "Last message at the bottom",                  // Eng
    "Последнее сообщение внизу",                   // Rus
    "Neueste Nachricht unten",                     // Deu
    "Dernier message en bas",                      // Fra
    "Último mensaje abajo",                        // Spa
    "最新消息在底部",                              // Chi
    "Ultimo messaggio in basso",                   // Ita
    "Poslední zpráva dole",                        // Cze
    "最新のメッセージを下に",                      // Jap
    "최신 메시지를 아래에");                        // Kor

const TText TxtOpenOnNewMessage = Ten(
    "Open this window when a new message",         // Eng
    "Открывать это окно при новом сообщении",      // Rus
    "Dieses Fenster bei neuer Nachricht öffnen",   // Deu
    "Ouvrir cette fenêtre à chaque nouveau message",  // Fra
    "Abrir esta ventana con cada mensaje nuevo",   // Spa
    "收到新消息时打开此窗口",                      // Chi
    "Apri questa finestra a ogni nuovo messaggio",  // Ita
    "Otevřít toto okno při nové zprávě",           // Cze
    "新着メッセージでこの画面を開く",              // Jap
    "새 메시지가 오면 이 창 열기");                 // Kor

const TText TxtNumberOfStarts = Ten(
    "Number of starts",                            // Eng
    "Количество запусков",                         // Rus
    "Anzahl der Starts",                           // Deu
    "Nombre de lancements",                        // Fra
    "Número de inicios",                           // Spa
    "启动次数",                                    // Chi
    "Numero di avvii",                             // Ita
    "Počet spuštění",                              // Cze
    "起動回数",                                    // Jap
    "실행 횟수");                                   // Kor

const TText TxtNumberOfUniqueStarts = Ten(
    "Number of unique starts",                     // Eng
    "Количество уникальных запусков",              // Rus
    "Anzahl eindeutiger Starts",                   // Deu
    "Nombre de lancements uniques",                // Fra
    "Número de inicios únicos",                    // Spa
    "独立启动次数",                                // Chi
    "Numero di avvii unici",                       // Ita
    "Počet jedinečných spuštění",                  // Cze
    "ユニーク起動回数",                            // Jap
    "고유 실행 횟수");                              // Kor

const TText TxtLikes = Ten(
    "Likes",                                       // Eng
    "Лайки",                                       // Rus
    "Gefällt mir",                                 // Deu
    "J'aime",                                      // Fra
    "Me gusta",                                    // Spa
    "点赞",                                        // Chi
    "Mi piace",                                    // Ita
    "Líbí se",                                     // Cze
    "いいね",                                      // Jap
    "좋아요");                                      // Kor

const TText TxtLastLike = Ten(
    "Last Like",                                   // Eng
    "Последний лайк",                              // Rus
    "Letztes „Gefällt mir“",                       // Deu
    "Dernier « J'aime »",                          // Fra
    "Último «Me gusta»",                           // Spa
    "最近点赞",                                    // Chi
    "Ultimo «Mi piace»",                           // Ita
    "Poslední „Líbí se“",                          // Cze
    "最後のいいね",                                // Jap
    "마지막 좋아요");                               // Kor

const TText TxtILikeThisGame = Ten(
    "I like this game!",                           // Eng
    "Мне нравится эта игра!",                      // Rus
    "Mir gefällt dieses Spiel!",                   // Deu
    "J'aime ce jeu !",                             // Fra
    "¡Me gusta este juego!",                       // Spa
    "我喜欢这个游戏！",                            // Chi
    "Mi piace questo gioco!",                      // Ita
    "Tato hra se mi líbí!",                        // Cze
    "このゲームが好き！",                          // Jap
    "이 게임이 좋아요!");                           // Kor

const TText TxtMyAccount = Ten(
    "My account",                                  // Eng
    "Мой аккаунт",                                 // Rus
    "Mein Konto",                                  // Deu
    "Mon compte",                                  // Fra
    "Mi cuenta",                                   // Spa
    "我的账户",                                    // Chi
    "Il mio account",                              // Ita
    "Můj účet",                                    // Cze
    "マイアカウント",                              // Jap
    "내 계정");                                     // Kor

const TText TxtMyResults = Ten(
    "My results",                                  // Eng
    "Мои результаты",                              // Rus
    "Meine Ergebnisse",                            // Deu
    "Mes résultats",                               // Fra
    "Mis resultados",                              // Spa
    "我的成绩",                                    // Chi
    "I miei risultati",                            // Ita
    "Moje výsledky",                               // Cze
    "マイ成績",                                    // Jap
    "내 기록");                                     // Kor

const TText TxtLoginToAccount = Ten(
    "Login to account",                            // Eng
    "Войти в аккаунт",                             // Rus
    "Anmelden",                                    // Deu
    "Se connecter",                                // Fra
    "Iniciar sesión",                              // Spa
    "登录账户",                                    // Chi
    "Accedi all'account",                          // Ita
    "Přihlásit se",                                // Cze
    "ログイン",                                    // Jap
    "로그인");                                      // Kor

const TText TxtSignOut = Ten(
    "Sign out",                                    // Eng
    "Выйти",                                       // Rus
    "Abmelden",                                    // Deu
    "Se déconnecter",                              // Fra
    "Cerrar sesión",                               // Spa
    "退出登录",                                    // Chi
    "Esci",                                        // Ita
    "Odhlásit se",                                 // Cze
    "ログアウト",                                  // Jap
    "로그아웃");                                    // Kor

const TText TxtAccountInformation = Ten(
    "Your account information",                    // Eng
    "Данные вашего аккаунта",                      // Rus
    "Ihre Kontodaten",                             // Deu
    "Informations de votre compte",                // Fra
    "Datos de tu cuenta",                          // Spa
    "您的账户信息",                                // Chi
    "Dati del tuo account",                        // Ita
    "Údaje o vašem účtu",                          // Cze
    "アカウント情報",                              // Jap
    "계정 정보");                                   // Kor

const TText TxtPassword = Ten(
    "Password",                                    // Eng
    "Пароль",                                      // Rus
    "Passwort",                                    // Deu
    "Mot de passe",                                // Fra
    "Contraseña",                                  // Spa
    "密码",                                        // Chi
    "Parola d'accesso",                            // Ita
    "Heslo",                                       // Cze
    "パスワード",                                  // Jap
    "비밀번호");                                    // Kor

const TText TxtRegistration = Ten(
    "Registration",                                // Eng
    "Регистрация",                                 // Rus
    "Registrierung",                               // Deu
    "Inscription",                                 // Fra
    "Registro",                                    // Spa
    "注册",                                        // Chi
    "Registrazione",                               // Ita
    "Registrace",                                  // Cze
    "登録",                                        // Jap
    "회원 가입");                                   // Kor

const TText TxtHidePassword = Ten(
    "Hide password",                               // Eng
    "Скрыть пароль",                               // Rus
    "Passwort verbergen",                          // Deu
    "Masquer le mot de passe",                     // Fra
    "Ocultar contraseña",                          // Spa
    "隐藏密码",                                    // Chi
    "Nascondi password",                           // Ita
    "Skrýt heslo",                                 // Cze
    "パスワードを隠す",                            // Jap
    "비밀번호 숨기기");                             // Kor

const TText TxtPlayGlobalRating = Ten(
    "Play global rating",                          // Eng
    "Играть на мировой рейтинг",                   // Rus
    "Um die Weltrangliste spielen",                // Deu
    "Jouer pour le classement mondial",            // Fra
    "Jugar por el ranking mundial",                // Spa
    "参加全球排名",                                // Chi
    "Gioca per la classifica mondiale",            // Ita
    "Hrát o světový žebříček",                     // Cze
    "世界ランキングに挑戦",                        // Jap
    "세계 랭킹전 참가");                            // Kor

const TText TxtClubMembers = Ten(
    "Club members: ",                              // Eng
    "Члены клуба: ",                               // Rus
    "Clubmitglieder: ",                            // Deu
    "Membres du club : ",                          // Fra
    "Miembros del club: ",                         // Spa
    "俱乐部成员：",                                // Chi
    "Membri del club: ",                           // Ita
    "Členové klubu: ",                             // Cze
    "クラブメンバー: ",                            // Jap
    "클럽 회원: ");                                 // Kor

const TText TxtAccountCreated = Ten(
    "Your account has been successfully created!",  // Eng
    "Ваш аккаунт успешно создан!",                 // Rus
    "Ihr Konto wurde erfolgreich erstellt!",       // Deu
    "Votre compte a bien été créé !",              // Fra
    "¡Tu cuenta se ha creado correctamente!",      // Spa
    "您的账户已成功创建！",                        // Chi
    "Il tuo account è stato creato!",              // Ita
    "Váš účet byl úspěšně vytvořen!",              // Cze
    "アカウントを作成しました！",                  // Jap
    "계정이 만들어졌습니다!");                      // Kor

const TText TxtNickTaken = Ten(
    "The club already has a player with the same Nick!",  // Eng
    "В клубе уже есть игрок с таким ником!",       // Rus
    "Im Club gibt es schon einen Spieler mit diesem Spitznamen!",  // Deu
    "Le club a déjà un joueur avec ce pseudo !",   // Fra
    "¡Ya hay un jugador con ese apodo en el club!",  // Spa
    "俱乐部里已有同名昵称的玩家！",                // Chi
    "Nel club c'è già un giocatore con questo soprannome!",  // Ita
    "V klubu už je hráč se stejnou přezdívkou!",   // Cze
    "同じニックネームのプレイヤーがすでにいます！",  // Jap
    "같은 닉네임의 플레이어가 이미 있습니다!");     // Kor

const TText TxtCouldNotCreateAccount = Ten(
    "Could not create account!",                   // Eng
    "Не удалось создать аккаунт!",                 // Rus
    "Konto konnte nicht erstellt werden!",         // Deu
    "Impossible de créer le compte !",             // Fra
    "¡No se pudo crear la cuenta!",                // Spa
    "无法创建账户！",                              // Chi
    "Impossibile creare l'account!",               // Ita
    "Účet nelze vytvořit!",                        // Cze
    "アカウントを作成できません！",                // Jap
    "계정을 만들 수 없습니다!");                    // Kor

const TText TxtLoginFailed = Ten(
    "Login failed!",                               // Eng
    "Не удалось войти!",                           // Rus
    "Anmeldung fehlgeschlagen!",                   // Deu
    "Échec de la connexion !",                     // Fra
    "¡Error al iniciar sesión!",                   // Spa
    "登录失败！",                                  // Chi
    "Accesso non riuscito!",                       // Ita
    "Přihlášení se nezdařilo!",                    // Cze
    "ログインに失敗しました！",                    // Jap
    "로그인에 실패했습니다!");                      // Kor

const TText TxtGamesInformation = Ten(
    "Information about your games",                // Eng
    "Информация о ваших играх",                    // Rus
    "Angaben zu Ihren Spielen",                    // Deu
    "Informations sur vos parties",                // Fra
    "Información sobre tus partidas",              // Spa
    "您的游戏信息",                                // Chi
    "Informazioni sulle tue partite",              // Ita
    "Informace o vašich hrách",                    // Cze
    "あなたのゲーム情報",                          // Jap
    "내 게임 정보");                                // Kor

const TText TxtRating = Ten(
    "Rating",                                      // Eng
    "Рейтинг",                                     // Rus
    "Wertung",                                     // Deu
    "Classement",                                  // Fra
    "Clasificación",                               // Spa
    "积分",                                        // Chi
    "Punteggio di classifica",                     // Ita
    "Hodnocení",                                   // Cze
    "レーティング",                                // Jap
    "레이팅");                                      // Kor

const TText TxtPlaceWord = Ten(
    "Place",                                       // Eng
    "Место",                                       // Rus
    "Platz",                                       // Deu
    "Rang",                                        // Fra
    "Puesto",                                      // Spa
    "名次",                                        // Chi
    "Posizione",                                   // Ita
    "Místo",                                       // Cze
    "順位",                                        // Jap
    "순위");                                        // Kor

const TText TxtPlayedGames = Ten(
    "Played games",                                // Eng
    "Сыграно игр",                                 // Rus
    "Gespielte Spiele",                            // Deu
    "Parties jouées",                              // Fra
    "Partidas jugadas",                            // Spa
    "已玩局数",                                    // Chi
    "Partite giocate",                             // Ita
    "Odehrané hry",                                // Cze
    "プレイ数",                                    // Jap
    "플레이한 게임");                               // Kor

const TText TxtMyBestScore = Ten(
    "My best score",                               // Eng
    "Мой лучший результат",                        // Rus
    "Mein bestes Ergebnis",                        // Deu
    "Mon meilleur score",                          // Fra
    "Mi mejor puntuación",                         // Spa
    "我的最高分",                                  // Chi
    "Il mio miglior punteggio",                    // Ita
    "Moje nejlepší skóre",                         // Cze
    "自己ベスト",                                  // Jap
    "최고 점수");                                   // Kor

const TText TxtTopTenRated = Ten(
    "Top 10 best rated players",                   // Eng
    "10 лучших игроков рейтинга",                  // Rus
    "Die 10 bestplatzierten Spieler",              // Deu
    "Les 10 meilleurs joueurs classés",            // Fra
    "Los 10 mejores del ranking",                  // Spa
    "积分前十名玩家",                              // Chi
    "I 10 migliori in classifica",                 // Ita
    "10 nejlépe hodnocených hráčů",                // Cze
    "レーティング上位10人",                        // Jap
    "레이팅 상위 10명");                            // Kor

const TText TxtCreateAccount = Ten(
    "Create an account",                           // Eng
    "Создать аккаунт",                             // Rus
    "Konto erstellen",                             // Deu
    "Créer un compte",                             // Fra
    "Crear una cuenta",                            // Spa
    "创建账户",                                    // Chi
    "Crea un account",                             // Ita
    "Vytvořit účet",                               // Cze
    "アカウントを作成",                            // Jap
    "계정 만들기");                                 // Kor

const TText TxtSave = Ten(
    "Save",                                        // Eng
    "Сохранить",                                   // Rus
    "Speichern",                                   // Deu
    "Enregistrer",                                 // Fra
    "Guardar",                                     // Spa
    "保存",                                        // Chi
    "Salva",                                       // Ita
    "Uložit",                                      // Cze
    "保存",                                        // Jap
    "저장");                                        // Kor

const TText TxtDelete = Ten(
    "Delete",                                      // Eng
    "Удалить",                                     // Rus
    "Löschen",                                     // Deu
    "Supprimer",                                   // Fra
    "Eliminar",                                    // Spa
    "删除",                                        // Chi
    "Elimina",                                     // Ita
    "Smazat",                                      // Cze
    "削除",                                        // Jap
    "삭제");                                        // Kor

const TText TxtPlayedCycles = Ten(
    "Played cycles",                               // Eng
    "Сыграно серий",                               // Rus
    "Gespielte Serien",                            // Deu
    "Séries jouées",                               // Fra
    "Series jugadas",                              // Spa
    "已玩轮数",                                    // Chi
    "Serie giocate",                               // Ita
    "Odehrané série",                              // Cze
    "プレイしたシリーズ",                          // Jap
    "플레이한 시리즈");                             // Kor

const TText TxtCurrentDeal = Ten(
    "Current Deal",                                // Eng
    "Текущая раздача",                             // Rus
    "Aktuelles Spiel",                             // Deu
    "Donne en cours",                              // Fra
    "Reparto actual",                              // Spa
    "当前牌局",                                    // Chi
    "Mano attuale",                                // Ita
    "Aktuální rozdání",                            // Cze
    "現在のディール",                              // Jap
    "현재 판");                                     // Kor

const TText TxtCurrentScore = Ten(
    "Current Score",                               // Eng
    "Текущий счёт",                                // Rus
    "Aktueller Punktestand",                       // Deu
    "Score actuel",                                // Fra
    "Puntuación actual",                           // Spa
    "当前得分",                                    // Chi
    "Punteggio attuale",                           // Ita
    "Aktuální skóre",                              // Cze
    "現在の得点",                                  // Jap
    "현재 점수");                                   // Kor

const TText TxtRefill = Ten(
    "Refill",                                      // Eng
    "Пополнить",                                   // Rus
    "Aufladen",                                    // Deu
    "Recharger",                                   // Fra
    "Recargar",                                    // Spa
    "充值",                                        // Chi
    "Ricarica",                                    // Ita
    "Dobít",                                       // Cze
    "チャージ",                                    // Jap
    "충전");                                        // Kor

const TText TxtPaymentCredit = Ten(
    "In case of payment, Qyvs will be credited to the account within 24 hours.",  // Eng
    "После оплаты Qyvs поступят на счёт в течение 24 часов.",  // Rus
    "Nach der Zahlung werden die Qyvs innerhalb von 24 Stunden gutgeschrieben.",  // Deu
    "Après le paiement, les Qyvs seront crédités sur le compte sous 24 heures.",  // Fra
    "Tras el pago, los Qyvs se abonarán en la cuenta en 24 horas.",  // Spa
    "付款后，Qyvs 将在 24 小时内到账。",           // Chi
    "Dopo il pagamento, i Qyvs saranno accreditati entro 24 ore.",  // Ita
    "Po zaplacení budou Qyvs připsány na účet do 24 hodin.",  // Cze
    "お支払い後、24時間以内に Qyvs がアカウントに追加されます。",  // Jap
    "결제 후 24시간 이내에 Qyvs가 계정에 적립됩니다.");  // Kor

const TText TxtPaymentComment = Ten(
    "Add a comment when you pay, simply by inserting it from the clipboard!",  // Eng
    "При оплате добавьте комментарий — просто вставьте его из буфера обмена!",  // Rus
    "Fügen Sie bei der Zahlung einen Kommentar hinzu – einfach aus der Zwischenablage einfügen!",  // Deu
    "Ajoutez un commentaire lors du paiement en le collant depuis le presse-papiers !",  // Fra
    "¡Al pagar, añade un comentario pegándolo desde el portapapeles!",  // Spa
    "付款时请添加备注，直接从剪贴板粘贴即可！",    // Chi
    "Quando paghi, aggiungi un commento incollandolo dagli appunti!",  // Ita
    "Při platbě přidejte komentář – stačí ho vložit ze schránky!",  // Cze
    "お支払いの際は、クリップボードから貼り付けてコメントを追加してください！",  // Jap
    "결제할 때 클립보드에서 붙여 넣어 메모를 추가하세요!");  // Kor

const TText TxtTransferQuestion = Ten(
    "Do you really want to transfer to a club member",  // Eng
    "Вы действительно хотите перевести члену клуба",  // Rus
    "Möchten Sie wirklich an ein Clubmitglied überweisen:",  // Deu
    "Voulez-vous vraiment transférer au membre du club",  // Fra
    "¿Seguro que quieres transferir al miembro del club",  // Spa
    "确定要转账给俱乐部成员",                      // Chi
    "Vuoi davvero trasferire al membro del club",  // Ita
    "Opravdu chcete převést členovi klubu",        // Cze
    "本当にクラブメンバーに送金しますか:",         // Jap
    "정말로 클럽 회원에게 송금하시겠습니까:");      // Kor

const TText TxtTransferDone = Ten(
    "Transfer is successful!",                     // Eng
    "Перевод выполнен!",                           // Rus
    "Überweisung erfolgreich!",                    // Deu
    "Transfert réussi !",                          // Fra
    "¡Transferencia realizada!",                   // Spa
    "转账成功！",                                  // Chi
    "Trasferimento riuscito!",                     // Ita
    "Převod proběhl úspěšně!",                     // Cze
    "送金が完了しました！",                        // Jap
    "송금이 완료되었습니다!");                      // Kor

const TText TxtNotEnoughQyvs = Ten(
    "You do not have enough Qyvs to transfer!",    // Eng
    "У вас недостаточно Qyvs для перевода!",       // Rus
    "Sie haben nicht genug Qyvs für die Überweisung!",  // Deu
    "Vous n'avez pas assez de Qyvs pour ce transfert !",  // Fra
    "¡No tienes suficientes Qyvs para transferir!",  // Spa
    "您的 Qyvs 不足，无法转账！",                  // Chi
    "Non hai abbastanza Qyvs per il trasferimento!",  // Ita
    "Nemáte dost Qyvs na převod!",                 // Cze
    "送金に必要な Qyvs が足りません！",            // Jap
    "송금할 Qyvs가 부족합니다!");                   // Kor

const TText TxtEmptyTransfer = Ten(
    "I can not make an empty transfer!",           // Eng
    "Нельзя сделать пустой перевод!",              // Rus
    "Eine leere Überweisung ist nicht möglich!",   // Deu
    "Impossible d'effectuer un transfert vide !",  // Fra
    "¡No se puede hacer una transferencia vacía!",  // Spa
    "不能进行空转账！",                            // Chi
    "Impossibile effettuare un trasferimento vuoto!",  // Ita
    "Prázdný převod nelze provést!",               // Cze
    "0 の送金はできません！",                      // Jap
    "0으로는 송금할 수 없습니다!");                 // Kor

const TText TxtNoSuchMember = Ten(
    "There is no club member with that nick!",     // Eng
    "В клубе нет игрока с таким ником!",           // Rus
    "Es gibt kein Clubmitglied mit diesem Spitznamen!",  // Deu
    "Aucun membre du club n'a ce pseudo !",        // Fra
    "¡No hay ningún miembro del club con ese apodo!",  // Spa
    "俱乐部中没有该昵称的成员！",                  // Chi
    "Nessun membro del club ha questo soprannome!",  // Ita
    "V klubu není nikdo s touto přezdívkou!",      // Cze
    "そのニックネームのメンバーはいません！",      // Jap
    "그 닉네임의 클럽 회원이 없습니다!");           // Kor

const TText TxtAboutMe = Ten(
    "About me",                                    // Eng
    "Обо мне",                                     // Rus
    "Über mich",                                   // Deu
    "À propos de moi",                             // Fra
    "Sobre mí",                                    // Spa
    "关于我",                                      // Chi
    "Su di me",                                    // Ita
    "O mně",                                       // Cze
    "自己紹介",                                    // Jap
    "내 소개");                                     // Kor

const TText TxtTheChairman = Ten(
    "The chairman",                                // Eng
    "Председатель",                                // Rus
    "Der Vorsitzende",                             // Deu
    "Le président",                                // Fra
    "El presidente",                               // Spa
    "主席",                                        // Chi
    "Il presidente",                               // Ita
    "Předseda",                                    // Cze
    "会長",                                        // Jap
    "회장");                                        // Kor

const TText TxtRefresh = Ten(
    "Refresh",                                     // Eng
    "Обновить",                                    // Rus
    "Aktualisieren",                               // Deu
    "Actualiser",                                  // Fra
    "Actualizar",                                  // Spa
    "刷新",                                        // Chi
    "Aggiorna",                                    // Ita
    "Obnovit",                                     // Cze
    "更新",                                        // Jap
    "새로 고침");                                   // Kor

const TText TxtCopiedToClipboard = Ten(
    "Copied to clipboard!",                        // Eng
    "Скопировано в буфер обмена!",                 // Rus
    "In die Zwischenablage kopiert!",              // Deu
    "Copié dans le presse-papiers !",              // Fra
    "¡Copiado al portapapeles!",                   // Spa
    "已复制到剪贴板！",                            // Chi
    "Copiato negli appunti!",                      // Ita
    "Zkopírováno do schránky!",                    // Cze
    "クリップボードにコピーしました！",            // Jap
    "클립보드에 복사했습니다!");                    // Kor

const TText TxtYourName = Ten(
    "Your name",                                   // Eng
    "Ваше имя",                                    // Rus
    "Ihr Vorname",                                 // Deu
    "Votre prénom",                                // Fra
    "Tu nombre",                                   // Spa
    "您的名字",                                    // Chi
    "Il tuo nome",                                 // Ita
    "Vaše jméno",                                  // Cze
    "名",                                          // Jap
    "이름");                                        // Kor

const TText TxtYourLastName = Ten(
    "Your last name",                              // Eng
    "Ваша фамилия",                                // Rus
    "Ihr Nachname",                                // Deu
    "Votre nom",                                   // Fra
    "Tus apellidos",                               // Spa
    "您的姓氏",                                    // Chi
    "Il tuo cognome",                              // Ita
    "Vaše příjmení",                               // Cze
    "姓",                                          // Jap
    "성");                                          // Kor

const TText TxtBriefInfo = Ten(
    "Brief information about you",                 // Eng
    "Коротко о себе",                              // Rus
    "Kurz über Sie",                               // Deu
    "Quelques mots sur vous",                      // Fra
    "Breve información sobre ti",                  // Spa
    "个人简介",                                    // Chi
    "Due parole su di te",                         // Ita
    "Krátce o vás",                                // Cze
    "簡単な自己紹介",                              // Jap
    "간단한 소개");                                 // Kor

const TText TxtYourPhone = Ten(
    "Your phone number",                           // Eng
    "Ваш телефон",                                 // Rus
    "Ihre Telefonnummer",                          // Deu
    "Votre numéro de téléphone",                   // Fra
    "Tu teléfono",                                 // Spa
    "您的电话号码",                                // Chi
    "Il tuo numero di telefono",                   // Ita
    "Vaše telefonní číslo",                        // Cze
    "電話番号",                                    // Jap
    "전화번호");                                    // Kor

const TText TxtYourEMail = Ten(
    "Your e-mail",                                 // Eng
    "Ваш e-mail",                                  // Rus
    "Ihre E-Mail",                                 // Deu
    "Votre courriel",                              // Fra
    "Tu correo electrónico",                       // Spa
    "您的电子邮件",                                // Chi
    "La tua email",                                // Ita
    "Váš e-mail",                                  // Cze
    "メールアドレス",                              // Jap
    "이메일");                                      // Kor

const TText TxtYourWebSite = Ten(
    "Your web site",                               // Eng
    "Ваш сайт",                                    // Rus
    "Ihre Website",                                // Deu
    "Votre site web",                              // Fra
    "Tu sitio web",                                // Spa
    "您的网站",                                    // Chi
    "Il tuo sito web",                             // Ita
    "Váš web",                                     // Cze
    "ウェブサイト",                                // Jap
    "웹사이트");                                    // Kor

const TText TxtYourSkype = Ten(
    "Your skype",                                  // Eng
    "Ваш Skype",                                   // Rus
    "Ihr Skype",                                   // Deu
    "Votre Skype",                                 // Fra
    "Tu Skype",                                    // Spa
    "您的 Skype",                                  // Chi
    "Il tuo Skype",                                // Ita
    "Váš Skype",                                   // Cze
    "Skype",                                       // Jap
    "Skype");                                       // Kor

// a social network: the network's own name
const TText TxtYourOK = Ten(
    "Your OK",                                     // Eng
    "Ваши Одноклассники",                          // Rus
    "Ihr OK",                                      // Deu
    "Votre OK",                                    // Fra
    "Tu OK",                                       // Spa
    "您的 OK",                                     // Chi
    "Il tuo OK",                                   // Ita
    "Váš OK",                                      // Cze
    "OK",                                          // Jap
    "OK");                                          // Kor

const TText TxtYourVK = Ten(
    "Your VK",                                     // Eng
    "Ваш ВКонтакте",                               // Rus
    "Ihr VK",                                      // Deu
    "Votre VK",                                    // Fra
    "Tu VK",                                       // Spa
    "您的 VK",                                     // Chi
    "Il tuo VK",                                   // Ita
    "Váš VK",                                      // Cze
    "VK",                                          // Jap
    "VK");                                          // Kor

const TText TxtYourTelegram = Ten(
    "Your Telegram",                               // Eng
    "Ваш Telegram",                                // Rus
    "Ihr Telegram",                                // Deu
    "Votre Telegram",                              // Fra
    "Tu Telegram",                                 // Spa
    "您的 Telegram",                               // Chi
    "Il tuo Telegram",                             // Ita
    "Váš Telegram",                                // Cze
    "Telegram",                                    // Jap
    "텔레그램");                                    // Kor

const TText TxtYourFacebook = Ten(
    "Your Facebook",                               // Eng
    "Ваш Facebook",                                // Rus
    "Ihr Facebook",                                // Deu
    "Votre Facebook",                              // Fra
    "Tu Facebook",                                 // Spa
    "您的 Facebook",                               // Chi
    "Il tuo Facebook",                             // Ita
    "Váš Facebook",                                // Cze
    "Facebook",                                    // Jap
    "페이스북");                                    // Kor

const TText TxtYourTwitter = Ten(
    "Your Twitter",                                // Eng
    "Ваш Twitter",                                 // Rus
    "Ihr Twitter",                                 // Deu
    "Votre Twitter",                               // Fra
    "Tu Twitter",                                  // Spa
    "您的 Twitter",                                // Chi
    "Il tuo Twitter",                              // Ita
    "Váš Twitter",                                 // Cze
    "Twitter",                                     // Jap
    "트위터");                                      // Kor

const TText TxtYourInstagram = Ten(
    "Your Instagram",                              // Eng
    "Ваш Instagram",                               // Rus
    "Ihr Instagram",                               // Deu
    "Votre Instagram",                             // Fra
    "Tu Instagram",                                // Spa
    "您的 Instagram",                              // Chi
    "Il tuo Instagram",                            // Ita
    "Váš Instagram",                               // Cze
    "Instagram",                                   // Jap
    "인스타그램");                                  // Kor

const TText TxtYourYouTube = Ten(
    "Your YouTube",                                // Eng
    "Ваш YouTube",                                 // Rus
    "Ihr YouTube",                                 // Deu
    "Votre YouTube",                               // Fra
    "Tu YouTube",                                  // Spa
    "您的 YouTube",                                // Chi
    "Il tuo YouTube",                              // Ita
    "Váš YouTube",                                 // Cze
    "YouTube",                                     // Jap
    "유튜브");                                      // Kor

const TText TxtPhotoFormat = Ten(
    "The photo must be in jpg format 200x250 pixels in size!",  // Eng
    "Фото должно быть в формате jpg размером 200x250 пикселей!",  // Rus
    "Das Foto muss ein JPG mit 200x250 Pixeln sein!",  // Deu
    "La photo doit être au format jpg de 200x250 pixels !",  // Fra
    "¡La foto debe estar en formato jpg de 200x250 píxeles!",  // Spa
    "照片必须为 jpg 格式，尺寸 200x250 像素！",    // Chi
    "La foto deve essere in formato jpg di 200x250 pixel!",  // Ita
    "Fotka musí být ve formátu jpg o velikosti 200x250 pixelů!",  // Cze
    "写真は 200x250 ピクセルの jpg 形式にしてください！",  // Jap
    "사진은 200x250 픽셀의 jpg 형식이어야 합니다!");  // Kor

const TText TxtPhotoUploadFailed = Ten(
    "Failed to upload photo to server!",           // Eng
    "Не удалось загрузить фото на сервер!",        // Rus
    "Das Foto konnte nicht hochgeladen werden!",   // Deu
    "Impossible d'envoyer la photo au serveur !",  // Fra
    "¡No se pudo subir la foto al servidor!",      // Spa
    "照片上传到服务器失败！",                      // Chi
    "Impossibile caricare la foto sul server!",    // Ita
    "Fotku se nepodařilo nahrát na server!",       // Cze
    "写真をサーバーにアップロードできません！",    // Jap
    "사진을 서버에 올리지 못했습니다!");            // Kor

const TText TxtInfoVisible = Ten(
    "This information may be visible to other club members.",  // Eng
    "Эту информацию могут видеть другие члены клуба.",  // Rus
    "Diese Angaben können andere Clubmitglieder sehen.",  // Deu
    "Ces informations peuvent être visibles par les autres membres du club.",  // Fra
    "Otros miembros del club pueden ver esta información.",  // Spa
    "俱乐部的其他成员可能会看到这些信息。",        // Chi
    "Queste informazioni possono essere visibili agli altri membri del club.",  // Ita
    "Tyto údaje mohou vidět ostatní členové klubu.",  // Cze
    "この情報は他のクラブメンバーに表示されることがあります。",  // Jap
    "이 정보는 다른 클럽 회원에게 보일 수 있습니다.");  // Kor

const TText TxtUpdateInfo = Ten(
    "Update info",                                 // Eng
    "Обновить данные",                             // Rus
    "Angaben speichern",                           // Deu
    "Mettre à jour",                               // Fra
    "Actualizar datos",                            // Spa
    "更新资料",                                    // Chi
    "Aggiorna dati",                               // Ita
    "Uložit údaje",                                // Cze
    "情報を更新",                                  // Jap
    "정보 업데이트");                               // Kor

const TText TxtRefreshPhoto = Ten(
    "Refresh photo",                               // Eng
    "Обновить фото",                               // Rus
    "Foto ändern",                                 // Deu
    "Changer la photo",                            // Fra
    "Cambiar foto",                                // Spa
    "更换照片",                                    // Chi
    "Cambia foto",                                 // Ita
    "Změnit fotku",                                // Cze
    "写真を変更",                                  // Jap
    "사진 바꾸기");                                 // Kor

const TText TxtSolitaireConverged = Ten(
    "Solitaire converged",                         // Eng
    "Пасьянс сошёлся",                             // Rus
    "Patience aufgegangen",                        // Deu
    "Réussite réussie",                            // Fra
    "Solitario resuelto",                          // Spa
    "牌局完成",                                    // Chi
    "Solitario riuscito",                          // Ita
    "Pasiáns vyšel",                               // Cze
    "ソリティア成功",                              // Jap
    "솔리테어 성공");                               // Kor

const TText TxtSolitaireNotConverged = Ten(
    "Solitaire has not converged",                 // Eng
    "Пасьянс не сошёлся",                          // Rus
    "Patience nicht aufgegangen",                  // Deu
    "Réussite manquée",                            // Fra
    "Solitario no resuelto",                       // Spa
    "牌局未完成",                                  // Chi
    "Solitario non riuscito",                      // Ita
    "Pasiáns nevyšel",                             // Cze
    "ソリティア失敗",                              // Jap
    "솔리테어 실패");                               // Kor

const TText TxtStatisticsSince = Ten(
    "This statistic is maintained since version 1.8",  // Eng
    "Эта статистика ведётся с версии 1.8",         // Rus
    "Diese Statistik wird seit Version 1.8 geführt",  // Deu
    "Ces statistiques sont tenues depuis la version 1.8",  // Fra
    "Estas estadísticas se llevan desde la versión 1.8",  // Spa
    "此统计自 1.8 版起开始记录",                   // Chi
    "Queste statistiche sono tenute dalla versione 1.8",  // Ita
    "Tato statistika se vede od verze 1.8",        // Cze
    "この統計はバージョン1.8から記録しています",   // Jap
    "이 통계는 1.8 버전부터 기록됩니다");           // Kor

// heading of the account window
const TText TxtOnlineClubHeading = Ten(
    "Qyv Games Online Club",                       // Eng
    "Онлайн-клуб Qyv Games",                       // Rus
    "Online-Club von Qyv Games",                   // Deu
    "Club en ligne Qyv Games",                     // Fra
    "Club en línea de Qyv Games",                  // Spa
    "Qyv Games 在线俱乐部",                        // Chi
    "Club online di Qyv Games",                    // Ita
    "Online klub Qyv Games",                       // Cze
    "Qyv Games オンラインクラブ",                  // Jap
    "Qyv Games 온라인 클럽");                       // Kor

// chairman line of the profile window
const TText TxtOnlineClubChairman = Ten(
    "Chairman of the Qyv Games Online Club",       // Eng
    "Председатель онлайн-клуба Qyv Games",         // Rus
    "Vorsitzender des Online-Clubs von Qyv Games",  // Deu
    "Président du club en ligne Qyv Games",        // Fra
    "Presidente del club en línea de Qyv Games",   // Spa
    "Qyv Games 在线俱乐部主席",                    // Chi
    "Presidente del club online di Qyv Games",     // Ita
    "Předseda online klubu Qyv Games",             // Cze
    "Qyv Games オンラインクラブ会長",              // Jap
    "Qyv Games 온라인 클럽 회장");                  // Kor

} // namespace Texts
