// Calendar page: month names, zodiac signs, animals of the year and the labels of the entries.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

// appended to the age of an entry: "212-th anniversary"
const TText AnniversaryWord = Ten(
    "-th anniversary",                             // Eng
    "-я годовщина",                                // Rus
    ". Jahrestag",                                 // Deu
    "e anniversaire",                              // Fra
    ".º aniversario",                              // Spa
    "周年",                                        // Chi
    "º anniversario",                              // Ita
    ". výročí",                                    // Cze
    "周年",                                        // Jap
    "주년");                                        // Kor

// under the day number; Russian and Czech in the genitive
const TTextList<12, 1> MonthNames = List<1>(
    // MonthNames[1]
    Ten(
        "January",                                     // Eng
        "Января",                                      // Rus
        "Januar",                                      // Deu
        "janvier",                                     // Fra
        "enero",                                       // Spa
        "一月",                                        // Chi
        "gennaio",                                     // Ita
        "ledna",                                       // Cze
        "1月",                                         // Jap
        "1월"),                                         // Kor
    // MonthNames[2]
    Ten(
        "February",                                    // Eng
        "Февраля",                                     // Rus
        "Februar",                                     // Deu
        "février",                                     // Fra
        "febrero",                                     // Spa
        "二月",                                        // Chi
        "febbraio",                                    // Ita
        "února",                                       // Cze
        "2月",                                         // Jap
        "2월"),                                         // Kor
    // MonthNames[3]
    Ten(
        "March",                                       // Eng
        "Марта",                                       // Rus
        "März",                                        // Deu
        "mars",                                        // Fra
        "marzo",                                       // Spa
        "三月",                                        // Chi
        "marzo",                                       // Ita
        "března",                                      // Cze
        "3月",                                         // Jap
        "3월"),                                         // Kor
    // MonthNames[4]
    Ten(
        "April",                                       // Eng
        "Апреля",                                      // Rus
        "April",                                       // Deu
        "avril",                                       // Fra
        "abril",                                       // Spa
        "四月",                                        // Chi
        "aprile",                                      // Ita
        "dubna",                                       // Cze
        "4月",                                         // Jap
        "4월"),                                         // Kor
    // MonthNames[5]
    Ten(
        "May",                                         // Eng
        "Мая",                                         // Rus
        "Mai",                                         // Deu
        "mai",                                         // Fra
        "mayo",                                        // Spa
        "五月",                                        // Chi
        "maggio",                                      // Ita
        "května",                                      // Cze
        "5月",                                         // Jap
        "5월"),                                         // Kor
    // MonthNames[6]
    Ten(
        "June",                                        // Eng
        "Июня",                                        // Rus
        "Juni",                                        // Deu
        "juin",                                        // Fra
        "junio",                                       // Spa
        "六月",                                        // Chi
        "giugno",                                      // Ita
        "června",                                      // Cze
        "6月",                                         // Jap
        "6월"),                                         // Kor
    // MonthNames[7]
    Ten(
        "July",                                        // Eng
        "Июля",                                        // Rus
        "Juli",                                        // Deu
        "juillet",                                     // Fra
        "julio",                                       // Spa
        "七月",                                        // Chi
        "luglio",                                      // Ita
        "července",                                    // Cze
        "7月",                                         // Jap
        "7월"),                                         // Kor
    // MonthNames[8]
    Ten(
        "August",                                      // Eng
        "Августа",                                     // Rus
        "August",                                      // Deu
        "août",                                        // Fra
        "agosto",                                      // Spa
        "八月",                                        // Chi
        "agosto",                                      // Ita
        "srpna",                                       // Cze
        "8月",                                         // Jap
        "8월"),                                         // Kor
    // MonthNames[9]
    Ten(
        "September",                                   // Eng
        "Сентября",                                    // Rus
        "September",                                   // Deu
        "septembre",                                   // Fra
        "septiembre",                                  // Spa
        "九月",                                        // Chi
        "settembre",                                   // Ita
        "září",                                        // Cze
        "9月",                                         // Jap
        "9월"),                                         // Kor
    // MonthNames[10]
    Ten(
        "October",                                     // Eng
        "Октября",                                     // Rus
        "Oktober",                                     // Deu
        "octobre",                                     // Fra
        "octubre",                                     // Spa
        "十月",                                        // Chi
        "ottobre",                                     // Ita
        "října",                                       // Cze
        "10月",                                        // Jap
        "10월"),                                        // Kor
    // MonthNames[11]
    Ten(
        "November",                                    // Eng
        "Ноября",                                      // Rus
        "November",                                    // Deu
        "novembre",                                    // Fra
        "noviembre",                                   // Spa
        "十一月",                                      // Chi
        "novembre",                                    // Ita
        "listopadu",                                   // Cze
        "11月",                                        // Jap
        "11월"),                                        // Kor
    // MonthNames[12]
    Ten(
        "December",                                    // Eng
        "Декабря",                                     // Rus
        "Dezember",                                    // Deu
        "décembre",                                    // Fra
        "diciembre",                                   // Spa
        "十二月",                                      // Chi
        "dicembre",                                    // Ita
        "prosince",                                    // Cze
        "12月",                                        // Jap
        "12월"));                                        // Kor

// the hint of the page of today
const TTextList<12> ZodiacNames = List(
    // ZodiacNames[0]
    Ten(
        "Aries",                                       // Eng
        "Овен",                                        // Rus
        "Widder",                                      // Deu
        "Bélier",                                      // Fra
        "Aries",                                       // Spa
        "白羊座",                                      // Chi
        "Ariete",                                      // Ita
        "Beran",                                       // Cze
        "牡羊座",                                      // Jap
        "양자리"),                                      // Kor
    // ZodiacNames[1]
    Ten(
        "Taurus",                                      // Eng
        "Телец",                                       // Rus
        "Stier",                                       // Deu
        "Taureau",                                     // Fra
        "Tauro",                                       // Spa
        "金牛座",                                      // Chi
        "Toro",                                        // Ita
        "Býk",                                         // Cze
        "牡牛座",                                      // Jap
        "황소자리"),                                    // Kor
    // ZodiacNames[2]
    Ten(
        "Gemini",                                      // Eng
        "Близнецы",                                    // Rus
        "Zwillinge",                                   // Deu
        "Gémeaux",                                     // Fra
        "Géminis",                                     // Spa
        "双子座",                                      // Chi
        "Gemelli",                                     // Ita
        "Blíženci",                                    // Cze
        "双子座",                                      // Jap
        "쌍둥이자리"),                                  // Kor
    // ZodiacNames[3]
    Ten(
        "Cancer",                                      // Eng
        "Рак",                                         // Rus
        "Krebs",                                       // Deu
        "Cancer",                                      // Fra
        "Cáncer",                                      // Spa
        "巨蟹座",                                      // Chi
        "Cancro",                                      // Ita
        "Rak",                                         // Cze
        "蟹座",                                        // Jap
        "게자리"),                                      // Kor
    // ZodiacNames[4]
    Ten(
        "Leo",                                         // Eng
        "Лев",                                         // Rus
        "Löwe",                                        // Deu
        "Lion",                                        // Fra
        "Leo",                                         // Spa
        "狮子座",                                      // Chi
        "Leone",                                       // Ita
        "Lev",                                         // Cze
        "獅子座",                                      // Jap
        "사자자리"),                                    // Kor
    // ZodiacNames[5]
    Ten(
        "Virgo",                                       // Eng
        "Дева",                                        // Rus
        "Jungfrau",                                    // Deu
        "Vierge",                                      // Fra
        "Virgo",                                       // Spa
        "处女座",                                      // Chi
        "Vergine",                                     // Ita
        "Panna",                                       // Cze
        "乙女座",                                      // Jap
        "처녀자리"),                                    // Kor
    // ZodiacNames[6]
    Ten(
        "Libra",                                       // Eng
        "Весы",                                        // Rus
        "Waage",                                       // Deu
        "Balance",                                     // Fra
        "Libra",                                       // Spa
        "天秤座",                                      // Chi
        "Bilancia",                                    // Ita
        "Váhy",                                        // Cze
        "天秤座",                                      // Jap
        "천칭자리"),                                    // Kor
    // ZodiacNames[7]
    Ten(
        "Scorpio",                                     // Eng
        "Скорпион",                                    // Rus
        "Skorpion",                                    // Deu
        "Scorpion",                                    // Fra
        "Escorpio",                                    // Spa
        "天蝎座",                                      // Chi
        "Scorpione",                                   // Ita
        "Štír",                                        // Cze
        "蠍座",                                        // Jap
        "전갈자리"),                                    // Kor
    // ZodiacNames[8]
    Ten(
        "Sagittarius",                                 // Eng
        "Стрелец",                                     // Rus
        "Schütze",                                     // Deu
        "Sagittaire",                                  // Fra
        "Sagitario",                                   // Spa
        "射手座",                                      // Chi
        "Sagittario",                                  // Ita
        "Střelec",                                     // Cze
        "射手座",                                      // Jap
        "궁수자리"),                                    // Kor
    // ZodiacNames[9]
    Ten(
        "Capricorn",                                   // Eng
        "Козерог",                                     // Rus
        "Steinbock",                                   // Deu
        "Capricorne",                                  // Fra
        "Capricornio",                                 // Spa
        "摩羯座",                                      // Chi
        "Capricorno",                                  // Ita
        "Kozoroh",                                     // Cze
        "山羊座",                                      // Jap
        "염소자리"),                                    // Kor
    // ZodiacNames[10]
    Ten(
        "Aquarius",                                    // Eng
        "Водолей",                                     // Rus
        "Wassermann",                                  // Deu
        "Verseau",                                     // Fra
        "Acuario",                                     // Spa
        "水瓶座",                                      // Chi
        "Acquario",                                    // Ita
        "Vodnář",                                      // Cze
        "水瓶座",                                      // Jap
        "물병자리"),                                    // Kor
    // ZodiacNames[11]
    Ten(
        "Pisces",                                      // Eng
        "Рыбы",                                        // Rus
        "Fische",                                      // Deu
        "Poissons",                                    // Fra
        "Piscis",                                      // Spa
        "双鱼座",                                      // Chi
        "Pesci",                                       // Ita
        "Ryby",                                        // Cze
        "魚座",                                        // Jap
        "물고기자리"));                                  // Kor

// the hint of the second page
const TTextList<12> YearAnimalNames = List(
    // YearAnimalNames[0]
    Ten(
        "Year Of The Rat",                             // Eng
        "Год Крысы",                                   // Rus
        "Jahr der Ratte",                              // Deu
        "Année du Rat",                                // Fra
        "Año de la Rata",                              // Spa
        "鼠年",                                        // Chi
        "Anno del Topo",                               // Ita
        "Rok krysy",                                   // Cze
        "子年（ねずみ）",                              // Jap
        "쥐의 해"),                                     // Kor
    // YearAnimalNames[1]
    Ten(
        "Year Of The Ox",                              // Eng
        "Год Быка",                                    // Rus
        "Jahr des Büffels",                            // Deu
        "Année du Buffle",                             // Fra
        "Año del Buey",                                // Spa
        "牛年",                                        // Chi
        "Anno del Bue",                                // Ita
        "Rok buvola",                                  // Cze
        "丑年（うし）",                                // Jap
        "소의 해"),                                     // Kor
    // YearAnimalNames[2]
    Ten(
        "Year Of The Tiger",                           // Eng
        "Год Тигра",                                   // Rus
        "Jahr des Tigers",                             // Deu
        "Année du Tigre",                              // Fra
        "Año del Tigre",                               // Spa
        "虎年",                                        // Chi
        "Anno della Tigre",                            // Ita
        "Rok tygra",                                   // Cze
        "寅年（とら）",                                // Jap
        "호랑이의 해"),                                 // Kor
    // YearAnimalNames[3]
    Ten(
        "Year Of The Rabbit",                          // Eng
        "Год Кролика",                                 // Rus
        "Jahr des Hasen",                              // Deu
        "Année du Lapin",                              // Fra
        "Año del Conejo",                              // Spa
        "兔年",                                        // Chi
        "Anno del Coniglio",                           // Ita
        "Rok králíka",                                 // Cze
        "卯年（うさぎ）",                              // Jap
        "토끼의 해"),                                   // Kor
    // YearAnimalNames[4]
    Ten(
        "Year Of The Dragon",                          // Eng
        "Год Дракона",                                 // Rus
        "Jahr des Drachen",                            // Deu
        "Année du Dragon",                             // Fra
        "Año del Dragón",                              // Spa
        "龙年",                                        // Chi
        "Anno del Drago",                              // Ita
        "Rok draka",                                   // Cze
        "辰年（たつ）",                                // Jap
        "용의 해"),                                     // Kor
    // YearAnimalNames[5]
    Ten(
        "Year Of The Snake",                           // Eng
        "Год Змеи",                                    // Rus
        "Jahr der Schlange",                           // Deu
        "Année du Serpent",                            // Fra
        "Año de la Serpiente",                         // Spa
        "蛇年",                                        // Chi
        "Anno del Serpente",                           // Ita
        "Rok hada",                                    // Cze
        "巳年（へび）",                                // Jap
        "뱀의 해"),                                     // Kor
    // YearAnimalNames[6]
    Ten(
        "Year Of The Horse",                           // Eng
        "Год Лошади",                                  // Rus
        "Jahr des Pferdes",                            // Deu
        "Année du Cheval",                             // Fra
        "Año del Caballo",                             // Spa
        "马年",                                        // Chi
        "Anno del Cavallo",                            // Ita
        "Rok koně",                                    // Cze
        "午年（うま）",                                // Jap
        "말의 해"),                                     // Kor
    // YearAnimalNames[7]
    Ten(
        "Year Of The Goat",                            // Eng
        "Год Козы",                                    // Rus
        "Jahr der Ziege",                              // Deu
        "Année de la Chèvre",                          // Fra
        "Año de la Cabra",                             // Spa
        "羊年",                                        // Chi
        "Anno della Capra",                            // Ita
        "Rok kozy",                                    // Cze
        "未年（ひつじ）",                              // Jap
        "양의 해"),                                     // Kor
    // YearAnimalNames[8]
    Ten(
        "Year Of The Monkey",                          // Eng
        "Год Обезьяны",                                // Rus
        "Jahr des Affen",                              // Deu
        "Année du Singe",                              // Fra
        "Año del Mono",                                // Spa
        "猴年",                                        // Chi
        "Anno della Scimmia",                          // Ita
        "Rok opice",                                   // Cze
        "申年（さる）",                                // Jap
        "원숭이의 해"),                                 // Kor
    // YearAnimalNames[9]
    Ten(
        "Year Of The Rooster",                         // Eng
        "Год Петуха",                                  // Rus
        "Jahr des Hahns",                              // Deu
        "Année du Coq",                                // Fra
        "Año del Gallo",                               // Spa
        "鸡年",                                        // Chi
        "Anno del Gallo",                              // Ita
        "Rok kohouta",                                 // Cze
        "酉年（とり）",                                // Jap
        "닭의 해"),                                     // Kor
    // YearAnimalNames[10]
    Ten(
        "Year Of The Dog",                             // Eng
        "Год Собаки",                                  // Rus
        "Jahr des Hundes",                             // Deu
        "Année du Chien",                              // Fra
        "Año del Perro",                               // Spa
        "狗年",                                        // Chi
        "Anno del Cane",                               // Ita
        "Rok psa",                                     // Cze
        "戌年（いぬ）",                                // Jap
        "개의 해"),                                     // Kor
    // YearAnimalNames[11]
    Ten(
        "Year Of The Pig",                             // Eng
        "Год Свиньи",                                  // Rus
        "Jahr des Schweins",                           // Deu
        "Année du Cochon",                             // Fra
        "Año del Cerdo",                               // Spa
        "猪年",                                        // Chi
        "Anno del Maiale",                             // Ita
        "Rok vepře",                                   // Cze
        "亥年（いのしし）",                            // Jap
        "돼지의 해"));                                   // Kor

// for the owner codes "ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"
const TTextList<8> OwnerLabels = List(
    // OwnerLabels[0]
    Ten(
        "Holiday UK",                                  // Eng
        "Праздник Великобритании",                     // Rus
        "Feiertag in Großbritannien",                  // Deu
        "Fête britannique",                            // Fra
        "Fiesta británica",                            // Spa
        "英国节日",                                    // Chi
        "Festa britannica",                            // Ita
        "Svátek ve Velké Británii",                    // Cze
        "イギリスの祝日",                              // Jap
        "영국 공휴일"),                                 // Kor
    // OwnerLabels[1]
    Ten(
        "Russian Festival",                            // Eng
        "Праздник России",                             // Rus
        "Russischer Feiertag",                         // Deu
        "Fête russe",                                  // Fra
        "Fiesta rusa",                                 // Spa
        "俄罗斯节日",                                  // Chi
        "Festa russa",                                 // Ita
        "Ruský svátek",                                // Cze
        "ロシアの祝日",                                // Jap
        "러시아 공휴일"),                               // Kor
    // OwnerLabels[2]
    Ten(
        "German holiday",                              // Eng
        "Праздник Германии",                           // Rus
        "Deutscher Feiertag",                          // Deu
        "Fête allemande",                              // Fra
        "Fiesta alemana",                              // Spa
        "德国节日",                                    // Chi
        "Festa tedesca",                               // Ita
        "Německý svátek",                              // Cze
        "ドイツの祝日",                                // Jap
        "독일 공휴일"),                                 // Kor
    // OwnerLabels[3]
    Ten(
        "French holiday",                              // Eng
        "Праздник Франции",                            // Rus
        "Französischer Feiertag",                      // Deu
        "Fête française",                              // Fra
        "Fiesta francesa",                             // Spa
        "法国节日",                                    // Chi
        "Festa francese",                              // Ita
        "Francouzský svátek",                          // Cze
        "フランスの祝日",                              // Jap
        "프랑스 공휴일"),                               // Kor
    // OwnerLabels[4]
    Ten(
        "Spanish holiday",                             // Eng
        "Праздник Испании",                            // Rus
        "Spanischer Feiertag",                         // Deu
        "Fête espagnole",                              // Fra
        "Fiesta española",                             // Spa
        "西班牙节日",                                  // Chi
        "Festa spagnola",                              // Ita
        "Španělský svátek",                            // Cze
        "スペインの祝日",                              // Jap
        "스페인 공휴일"),                               // Kor
    // OwnerLabels[5]
    Ten(
        "Holiday United States",                       // Eng
        "Праздник США",                                // Rus
        "Feiertag in den USA",                         // Deu
        "Fête américaine",                             // Fra
        "Fiesta de EE. UU.",                           // Spa
        "美国节日",                                    // Chi
        "Festa statunitense",                          // Ita
        "Svátek v USA",                                // Cze
        "アメリカの祝日",                              // Jap
        "미국 공휴일"),                                 // Kor
    // OwnerLabels[6]
    Ten(
        "The Orthodox holiday",                        // Eng
        "Православный праздник",                       // Rus
        "Orthodoxer Feiertag",                         // Deu
        "Fête orthodoxe",                              // Fra
        "Fiesta ortodoxa",                             // Spa
        "东正教节日",                                  // Chi
        "Festa ortodossa",                             // Ita
        "Pravoslavný svátek",                          // Cze
        "正教会の祝日",                                // Jap
        "정교회 축일"),                                 // Kor
    // OwnerLabels[7]
    Ten(
        "Catholic feast",                              // Eng
        "Католический праздник",                       // Rus
        "Katholischer Feiertag",                       // Deu
        "Fête catholique",                             // Fra
        "Fiesta católica",                             // Spa
        "天主教节日",                                  // Chi
        "Festa cattolica",                             // Ita
        "Katolický svátek",                            // Cze
        "カトリックの祝日",                            // Jap
        "가톨릭 축일"));                                 // Kor

} // namespace Texts
