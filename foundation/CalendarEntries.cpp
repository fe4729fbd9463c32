// The calendar's entries: date field, owner code, picture, and the name of the day in
// the ten languages. The texts are stored Russian first, then English, German, French,
// Spanish, Chinese, Italian, Czech, Japanese, Korean. The English texts write the
// apostrophe as a grave accent. Each Easter comes before the days counted from it.
#include "foundation/Calendar.h"

namespace Calendar {

namespace {

struct Row {
    const char* date;
    const char* who;
    const char* res;
    const char* text[10]; // ru en de fr es zh it cs ja ko
};

// clang-format off
const Row kRows[EntryCount] = {
    /*  1 */ {"01.01.0000", "ALL", "R_NEWYEAR", {"Новый год", "New Year", "Neujahr", "Jour de l'An", "Año Nuevo", "元旦", "Capodanno", "Nový rok", "元日", "새해 첫날"}},
    /*  2 */ {"13.01.1703", "RUS", "R_RUSFLAG", {"День российской печати", "Russian Press Day", "Tag der russischen Presse", "Journée de la presse russe", "Día de la prensa rusa", "俄罗斯新闻出版日", "Giornata della stampa russa", "Den ruského tisku", "ロシア出版の日", "러시아 언론의 날"}},
    /*  3 */ {"20.01.0000", "USA", "R_USAFLAG", {"День инаугурации президента США", "Inauguration day", "Tag der Amtseinführung", "Jour de l'investiture", "Día de la Investidura", "美国总统就职日", "Giorno dell'insediamento", "Den inaugurace", "大統領就任式の日", "대통령 취임일"}},
    /*  4 */ {"25.01.0000", "RUS", "R_RUSZNAN", {"День российского студенчества", "Students` Day", "Tag der Studenten", "Journée des étudiants", "Día del Estudiante", "俄罗斯大学生节", "Giornata degli studenti", "Den studentů", "学生の日", "학생의 날"}},
    /*  5 */ {"27.01.0000", "RUS", "R_RUSORDN", {"День снятия блокады Ленинграда", "Lifting of the Siege of Leningrad", "Ende der Blockade Leningrads", "Levée du siège de Léningrad", "Fin del sitio de Leningrado", "列宁格勒解围日", "Fine dell'assedio di Leningrado", "Konec blokády Leningradu", "レニングラード包囲解放の日", "레닌그라드 포위 해제의 날"}},
    /*  6 */ {"****3.2.01", "USA", "R_USAFLAG", {"День гражданских прав", "Civil Rights Day", "Tag der Bürgerrechte", "Journée des droits civiques", "Día de los Derechos Civiles", "民权纪念日", "Giornata dei diritti civili", "Den občanských práv", "公民権の日", "민권의 날"}},
    /*  7 */ {"02.02.1943", "RUS", "R_RUSORDN", {"Победа в Сталинградской битве", "Victory at Stalingrad", "Sieg bei Stalingrad", "Victoire de Stalingrad", "Victoria en Stalingrado", "斯大林格勒战役胜利日", "Vittoria di Stalingrado", "Vítězství u Stalingradu", "スターリングラード攻防戦勝利の日", "스탈린그라드 전투 승리의 날"}},
    /*  8 */ {"08.02.0000", "RUS", "R_RUSFLAG", {"День российской науки", "Russian Science Day", "Tag der russischen Wissenschaft", "Journée de la science russe", "Día de la ciencia rusa", "俄罗斯科学日", "Giornata della scienza russa", "Den ruské vědy", "ロシア科学の日", "러시아 과학의 날"}},
    /*  9 */ {"14.02.0000", "ALL", "R_LOVE000", {"День святого Валентина", "Valentine`s Day", "Valentinstag", "Saint-Valentin", "Día de San Valentín", "情人节", "San Valentino", "Svatý Valentýn", "バレンタインデー", "밸런타인데이"}},
    /* 10 */ {"23.02.0000", "RUS", "R_RUSGEOR", {"День защитника Отечества", "Defender of the Fatherland Day", "Tag des Vaterlandsverteidigers", "Journée du défenseur de la patrie", "Día del Defensor de la Patria", "祖国保卫者日", "Giornata del difensore della patria", "Den obránců vlasti", "祖国防衛者の日", "조국 수호자의 날"}},
    /* 11 */ {"08.03.0000", "ALL", "R_8MARCH0", {"Международный женский день", "International Women`s Day", "Internationaler Frauentag", "Journée internationale des femmes", "Día Internacional de la Mujer", "国际妇女节", "Festa della donna", "Mezinárodní den žen", "国際女性デー", "세계 여성의 날"}},
    /* 12 */ {"17.03.0000", "USA", "R_USAPATR", {"День святого Патрика", "Saint Patrick`s Day", "St. Patrick's Day", "Saint-Patrick", "Día de San Patricio", "圣帕特里克节", "Festa di San Patrizio", "Den svatého Patrika", "聖パトリックの祝日", "성 패트릭의 날"}},
    /* 13 */ {"01.04.0000", "ALL", "R_1April0", {"День смеха", "April Fools` Day", "Aprilscherz", "Poisson d'avril", "Día de las bromas de abril", "愚人节", "Pesce d'aprile", "Apríl", "エイプリルフール", "만우절"}},
    /* 14 */ {"02.04.0000", "RUS", "R_RUSFLAG", {"День единения народов России и Беларуси", "Day of Unity of Russia and Belarus", "Tag der Einheit Russlands und Belarus", "Journée de l'unité de la Russie et du Bélarus", "Día de la Unidad de Rusia y Bielorrusia", "俄白人民团结日", "Giornata dell'unità di Russia e Bielorussia", "Den jednoty Ruska a Běloruska", "ロシア・ベラルーシ統一の日", "러시아·벨라루스 단결의 날"}},
    /* 15 */ {"12.04.0000", "RUS", "R_RUSFLAG", {"День космонавтики", "Day of cosmonautics", "Tag der Raumfahrt", "Journée de la cosmonautique", "Día de la Cosmonáutica", "航天日", "Giornata della cosmonautica", "Den kosmonautiky", "宇宙飛行の日", "우주 비행의 날"}},
    /* 16 */ {"18.04.1242", "RUS", "R_RUSGEOR", {"Ледовое побоище", "Battle on the Ice", "Schlacht auf dem Peipussee", "Bataille du lac Peïpous", "Batalla del Hielo", "冰湖之战", "Battaglia del lago ghiacciato", "Bitva na Čudském jezeře", "氷上の戦い", "얼음 위의 전투"}},
    /* 17 */ {"01.05.0000", "ALL", "R_1May000", {"Праздник весны и труда", "Labour Day", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo", "国际劳动节", "Festa dei lavoratori", "Svátek práce", "メーデー", "노동절"}},
    /* 18 */ {"01.05.1851", "ENG", "R_ENGFLAG", {"Открытие Всемирной выставки в Лондоне", "Opening of the Great Exhibition in London", "Eröffnung der Weltausstellung in London", "Ouverture de l'Exposition universelle de Londres", "Apertura de la Gran Exposición de Londres", "伦敦万国博览会开幕", "Apertura della Grande Esposizione di Londra", "Zahájení Velké výstavy v Londýně", "ロンドン万国博覧会の開幕", "런던 만국 박람회 개막"}},
    /* 19 */ {"02.05.0000", "ISP", "R_ISPFLAG", {"День Мадрида", "Madrid Community Day", "Tag der Region Madrid", "Fête de la Communauté de Madrid", "Fiesta del Dos de Mayo", "马德里自治区日", "Festa della Comunità di Madrid", "Den Madridského společenství", "マドリード州の日", "마드리드 지방의 날"}},
    /* 20 */ {"07.05.0000", "RUS", "R_RUSFLAG", {"День радио", "Radio Day", "Tag des Radios", "Journée de la radio", "Día de la Radio", "无线电日", "Giornata della radio", "Den rádia", "ラジオの日", "라디오의 날"}},
    /* 21 */ {"08.05.0000", "FRA", "R_FRAFLAG", {"День Победы в Европе", "Victory in Europe Day", "Tag des Sieges in Europa", "Victoire 1945", "Día de la Victoria en Europa", "欧洲胜利日", "Giornata della vittoria in Europa", "Den vítězství v Evropě", "ヨーロッパ戦勝記念日", "유럽 전승 기념일"}},
    /* 22 */ {"09.05.1945", "RUS", "R_RUSORDN", {"День Победы", "Victory Day", "Tag des Sieges", "Jour de la Victoire", "Día de la Victoria", "胜利日", "Giorno della Vittoria", "Den vítězství", "戦勝記念日", "승전 기념일"}},
    /* 23 */ {"24.05.0000", "RUS", "R_RUSFLAG", {"День славянской письменности и культуры", "Day of Slavonic Literature and Culture", "Tag des slawischen Schrifttums und der Kultur", "Journée de l'écriture et de la culture slaves", "Día de la Escritura y la Cultura Eslavas", "斯拉夫文字和文化节", "Giornata della scrittura e della cultura slava", "Den slovanského písemnictví a kultury", "スラブ文字と文化の日", "슬라브 문자와 문화의 날"}},
    /* 24 */ {"29.05.0000", "RUS", "R_RUSFLAG", {"День военного автомобилиста", "Military Motorist Day", "Tag der Militärkraftfahrer", "Journée des conducteurs militaires", "Día del Conductor Militar", "军事汽车兵日", "Giornata degli autieri militari", "Den vojenských řidičů", "軍用車両運転者の日", "군 운전병의 날"}},
    /* 25 */ {"01.06.0000", "ALL", "R_BABY000", {"Международный день защиты детей", "International Children`s Day", "Internationaler Kindertag", "Journée internationale de l'enfance", "Día Internacional del Niño", "国际儿童节", "Giornata internazionale dei bambini", "Mezinárodní den dětí", "国際子どもの日", "국제 어린이날"}},
    /* 26 */ {"12.06.0000", "RUS", "R_RUSFLAG", {"День России", "Russia Day", "Tag Russlands", "Jour de la Russie", "Día de Rusia", "俄罗斯日", "Giornata della Russia", "Den Ruska", "ロシアの日", "러시아의 날"}},
    /* 27 */ {"14.06.0000", "USA", "R_USAFLAG", {"День флага США", "Flag Day", "Flaggentag", "Jour du drapeau", "Día de la Bandera", "美国国旗日", "Giornata della bandiera", "Den vlajky", "国旗制定記念日", "국기의 날"}},
    /* 28 */ {"21.06.0000", "FRA", "R_FRAMUS0", {"Праздник музыки", "Music Day", "Fest der Musik", "Fête de la musique", "Fiesta de la Música", "音乐节", "Festa della musica", "Svátek hudby", "音楽の日", "음악 축제의 날"}},
    /* 29 */ {"22.06.0000", "RU-", "R_RUSORDN", {"День памяти и скорби", "Day of Remembrance and Sorrow", "Tag der Erinnerung und Trauer", "Journée du souvenir et du deuil", "Día del Recuerdo y el Dolor", "纪念与哀悼日", "Giornata della memoria e del lutto", "Den vzpomínky a smutku", "追悼と哀悼の日", "추모와 애도의 날"}},
    /* 30 */ {"27.06.0000", "RUS", "R_RUSFLAG", {"День молодёжи", "Youth Day", "Tag der Jugend", "Journée de la jeunesse", "Día de la Juventud", "青年节", "Giornata della gioventù", "Den mládeže", "青年の日", "청년의 날"}},
    /* 31 */ {"04.07.0000", "USA", "R_USA4JUL", {"День независимости США", "Independence Day", "Unabhängigkeitstag", "Fête de l'Indépendance", "Día de la Independencia", "美国独立日", "Giorno dell'Indipendenza", "Den nezávislosti", "独立記念日", "독립 기념일"}},
    /* 32 */ {"08.07.0000", "RUS", "R_RUSFLAG", {"День семьи, любви и верности", "Day of Family, Love and Faithfulness", "Tag der Familie, Liebe und Treue", "Journée de la famille, de l'amour et de la fidélité", "Día de la Familia, el Amor y la Fidelidad", "家庭、爱情与忠诚日", "Giornata della famiglia, dell'amore e della fedeltà", "Den rodiny, lásky a věrnosti", "家族と愛と貞節の日", "가족, 사랑, 정절의 날"}},
    /* 33 */ {"10.07.1709", "RUS", "R_RUSGEOR", {"Победа под Полтавой", "Victory at Poltava", "Sieg bei Poltawa", "Victoire de Poltava", "Victoria de Poltava", "波尔塔瓦战役胜利日", "Vittoria di Poltava", "Vítězství u Poltavy", "ポルタヴァの戦いの勝利", "폴타바 전투 승리"}},
    /* 34 */ {"14.07.0000", "FRA", "R_FRAFLAG", {"День взятия Бастилии", "Bastille Day", "Französischer Nationalfeiertag", "Fête nationale", "Fiesta Nacional de Francia", "法国国庆日", "Presa della Bastiglia", "Dobytí Bastily", "フランス革命記念日", "프랑스 혁명 기념일"}},
    /* 35 */ {"18.07.0000", "USA", "R_USAFLAG", {"Национальный день икры", "National Caviar Day", "Nationaler Kaviartag", "Journée nationale du caviar", "Día Nacional del Caviar", "全国鱼子酱日", "Giornata nazionale del caviale", "Národní den kaviáru", "キャビアの日", "캐비아의 날"}},
    /* 36 */ {"28.07.0988", "RUS", "R_RUSFLAG", {"День Крещения Руси", "Day of the Baptism of Rus", "Tag der Taufe der Rus", "Jour du baptême de la Rus'", "Día del Bautismo de la Rus", "罗斯受洗日", "Giorno del battesimo della Rus'", "Den pokřtění Rusi", "ルーシの洗礼の日", "루스 세례의 날"}},
    /* 37 */ {"16.08.0000", "USA", "R_USAFLAG", {"День битвы при Беннингтоне", "Bennington Battle Day", "Tag der Schlacht von Bennington", "Jour de la bataille de Bennington", "Día de la Batalla de Bennington", "本宁顿战役纪念日", "Giorno della battaglia di Bennington", "Den bitvy u Benningtonu", "ベニントンの戦い記念日", "베닝턴 전투 기념일"}},
    /* 38 */ {"22.08.0000", "RUS", "R_RUSFLAG", {"День Государственного флага России", "National Flag Day of Russia", "Tag der russischen Staatsflagge", "Journée du drapeau russe", "Día de la Bandera de Rusia", "俄罗斯国旗日", "Giornata della bandiera russa", "Den ruské státní vlajky", "ロシア国旗の日", "러시아 국기의 날"}},
    /* 39 */ {"23.08.1943", "RUS", "R_RUSORDN", {"Победа в Курской битве", "Victory at Kursk", "Sieg in der Schlacht bei Kursk", "Victoire de Koursk", "Victoria en la batalla de Kursk", "库尔斯克会战胜利日", "Vittoria di Kursk", "Vítězství u Kurska", "クルスクの戦い勝利の日", "쿠르스크 전투 승리의 날"}},
    /* 40 */ {"01.09.0000", "RUS", "R_RUSZNAN", {"День знаний", "Knowledge Day", "Tag des Wissens", "Journée du savoir", "Día del Conocimiento", "知识日", "Giornata del sapere", "Den vědění", "知識の日", "지식의 날"}},
    /* 41 */ {"02.09.0000", "ALL", "R_WAR0000", {"День окончания Второй мировой войны", "End of the Second World War", "Ende des Zweiten Weltkriegs", "Fin de la Seconde Guerre mondiale", "Fin de la Segunda Guerra Mundial", "第二次世界大战结束纪念日", "Fine della seconda guerra mondiale", "Konec druhé světové války", "第二次世界大戦終結の日", "제2차 세계 대전 종전일"}},
    /* 42 */ {"08.09.1812", "RUS", "R_RUSGEOR", {"День Бородинского сражения", "Borodino day", "Tag der Schlacht bei Borodino", "Jour de la bataille de la Moskova", "Día de la batalla de Borodinó", "博罗季诺战役纪念日", "Giorno della battaglia di Borodino", "Den bitvy u Borodina", "ボロジノの戦いの日", "보로디노 전투의 날"}},
    /* 43 */ {"13.09.0000", "ALL", "R_ALLPROG", {"День программиста", "Programmer`s day", "Tag des Programmierers", "Journée du programmeur", "Día del Programador", "程序员节", "Giornata del programmatore", "Den programátorů", "プログラマーの日", "프로그래머의 날"}},
    /* 44 */ {"15.09.1830", "ENG", "R_ENGFLAG", {"Открытие первой междугородной железной дороги", "Opening of the first intercity railway", "Eröffnung der ersten Eisenbahn zwischen zwei Städten", "Ouverture du premier chemin de fer interurbain", "Inauguración del primer ferrocarril interurbano", "第一条城际铁路通车", "Apertura della prima ferrovia interurbana", "Otevření první meziměstské železnice", "初の都市間鉄道の開通", "최초의 도시 간 철도 개통"}},
    /* 45 */ {"21.09.1380", "RUS", "R_RUSGEOR", {"Куликовская битва", "Battle of Kulikovo", "Schlacht auf dem Schnepfenfeld", "Bataille de Koulikovo", "Batalla de Kulikovo", "库利科沃战役", "Battaglia di Kulikovo", "Bitva na Kulikově poli", "クリコヴォの戦い", "쿨리코보 전투"}},
    /* 46 */ {"01.10.0000", "RUS", "R_OLD0000", {"День пожилых людей", "Day of Older Persons", "Tag der älteren Menschen", "Journée des personnes âgées", "Día de las Personas Mayores", "老年人节", "Giornata degli anziani", "Den seniorů", "高齢者の日", "노인의 날"}},
    /* 47 */ {"03.10.0000", "DEU", "R_DEUFLAG", {"День германского единства", "German Unity Day", "Tag der Deutschen Einheit", "Jour de l'unité allemande", "Día de la Unidad Alemana", "德国统一日", "Giorno dell'unità tedesca", "Den německé jednoty", "ドイツ統一の日", "독일 통일의 날"}},
    /* 48 */ {"05.10.0000", "RUS", "R_TEACHER", {"День учителя", "Teachers` Day", "Tag des Lehrers", "Journée des enseignants", "Día del Maestro", "教师节", "Giornata degli insegnanti", "Den učitelů", "教師の日", "교사의 날"}},
    /* 49 */ {"12.10.0000", "ISP", "R_ISPFLAG", {"Национальный праздник Испании", "National Day of Spain", "Spanischer Nationalfeiertag", "Fête nationale espagnole", "Fiesta Nacional de España", "西班牙国庆日", "Festa nazionale spagnola", "Španělský národní svátek", "スペインの建国記念日", "스페인 국경일"}},
    /* 50 */ {"21.10.0000", "ENG", "R_ENGFLAG", {"День Трафальгарской битвы", "Trafalgar Day", "Trafalgar-Tag", "Jour de Trafalgar", "Día de Trafalgar", "特拉法加日", "Giorno di Trafalgar", "Den Trafalgaru", "トラファルガーの日", "트라팔가르의 날"}},
    /* 51 */ {"31.10.0000", "ALL", "R_HALLO00", {"Хэллоуин", "Halloween", "Halloween", "Halloween", "Halloween", "万圣夜", "Halloween", "Halloween", "ハロウィン", "핼러윈"}},
    /* 52 */ {"05.11.0000", "ENG", "R_ENGFLAG", {"Ночь костров", "Bonfire Night", "Nacht der Freudenfeuer", "Nuit des feux de joie", "Noche de las Hogueras", "篝火之夜", "Notte dei falò", "Noc ohňů", "ボンファイア・ナイト", "모닥불의 밤"}},
    /* 53 */ {"11.11.0000", "ALL", "R_WAR0000", {"День перемирия", "Armistice Day", "Waffenstillstandstag", "Armistice de 1918", "Día del Armisticio", "停战纪念日", "Giorno dell'armistizio", "Den příměří", "休戦記念日", "휴전 기념일"}},
    /* 54 */ {"****4.5.11", "USA", "R_USABLAG", {"День благодарения", "Thanksgiving", "Thanksgiving", "Action de grâce", "Día de Acción de Gracias", "感恩节", "Giorno del Ringraziamento", "Den díkůvzdání", "感謝祭", "추수감사절"}},
    /* 55 */ {"05.12.1941", "RUS", "R_RUSORDN", {"Начало контрнаступления под Москвой", "Start of the counter-offensive at Moscow", "Beginn der Gegenoffensive vor Moskau", "Début de la contre-offensive devant Moscou", "Inicio de la contraofensiva ante Moscú", "莫斯科反攻开始日", "Inizio della controffensiva di Mosca", "Začátek protiofenzívy u Moskvy", "モスクワ反攻開始の日", "모스크바 반격 개시일"}},
    /* 56 */ {"06.12.0000", "ISP", "R_ISPFLAG", {"День Конституции Испании", "Constitution Day of Spain", "Spanischer Verfassungstag", "Jour de la Constitution espagnole", "Día de la Constitución", "西班牙宪法日", "Giorno della Costituzione spagnola", "Den španělské ústavy", "スペイン憲法記念日", "스페인 제헌절"}},
    /* 57 */ {"12.12.0000", "RUS", "R_RUSFLAG", {"День Конституции России", "Constitution Day of Russia", "Russischer Verfassungstag", "Jour de la Constitution russe", "Día de la Constitución de Rusia", "俄罗斯宪法日", "Giorno della Costituzione russa", "Den ruské ústavy", "ロシア憲法記念日", "러시아 제헌절"}},
    /* 58 */ {"17.12.1903", "USA", "R_USAFLAG", {"Первый полёт самолёта с двигателем", "First powered aeroplane flight", "Erster Motorflug", "Premier vol motorisé", "Primer vuelo propulsado", "首次动力飞行", "Primo volo a motore", "První motorový let", "初の動力飛行", "최초의 동력 비행"}},
    /* 59 */ {"22.12.0000", "RUS", "R_RUSFLAG", {"День энергетика", "Power Engineers` Day", "Tag der Energetiker", "Journée des énergéticiens", "Día del Trabajador de la Energía", "电力工作者节", "Giornata dei lavoratori dell'energia", "Den energetiků", "エネルギー産業の日", "에너지 산업인의 날"}},
    /* 60 */ {"27.12.0000", "RUS", "R_RUSFLAG", {"День спасателя", "Rescuers` Day", "Tag der Retter", "Journée des sauveteurs", "Día del Rescatista", "救援人员日", "Giornata dei soccorritori", "Den záchranářů", "救助隊員の日", "구조대원의 날"}},
    /* 61 */ {"pasha.p000", "PRA", "R_PASHA00", {"Пасха", "Easter", "Ostern", "Pâques", "Pascua", "复活节", "Pasqua", "Velikonoce", "復活祭", "부활절"}},
    /* 62 */ {"pasha.p-07", "PRA", "R_PRAKRES", {"Вход Господень в Иерусалим", "The entry into Jerusalem", "Einzug in Jerusalem", "Entrée à Jérusalem", "Entrada en Jerusalén", "主进圣城节", "Ingresso a Gerusalemme", "Vjezd do Jeruzaléma", "主の聖城入城祭", "예루살렘 입성 축일"}},
    /* 63 */ {"pasha.p+39", "PRA", "R_PRAKRES", {"Вознесение Господне", "Ascension Of Our Lord", "Christi Himmelfahrt", "Ascension", "Ascensión del Señor", "耶稣升天节", "Ascensione del Signore", "Nanebevstoupení Páně", "主の昇天祭", "주님 승천 대축일"}},
    /* 64 */ {"pasha.p+49", "PRA", "R_PRAKRES", {"Троица", "Trinity Sunday", "Dreifaltigkeitssonntag", "Sainte Trinité", "Domingo de la Trinidad", "圣三一主日", "Santissima Trinità", "Svátek Nejsvětější Trojice", "聖神降臨祭", "삼위일체 대축일"}},
    /* 65 */ {"07.01.0000", "PRA", "R_ROGDEST", {"Рождество Христово", "Christmas", "Weihnachten", "Noël", "Navidad", "圣诞节", "Natale", "Vánoce", "降誕祭", "성탄절"}},
    /* 66 */ {"14.01.0000", "PRA", "R_PRAKRES", {"Обрезание Господне", "Circumcision of the Lord", "Beschneidung des Herrn", "Circoncision du Seigneur", "Circuncisión del Señor", "主受割礼节", "Circoncisione del Signore", "Obřezání Páně", "主の割礼祭", "주님 할례 축일"}},
    /* 67 */ {"19.01.0000", "PRA", "R_PRAKRES", {"Крещение Господне", "Theophany", "Theophanie", "Théophanie", "Teofanía", "主显节", "Teofania", "Theofanie", "神現祭", "주님 공현 축일"}},
    /* 68 */ {"15.02.0000", "PRA", "R_PRAKRES", {"Сретение Господне", "Meeting of the Lord", "Darstellung des Herrn", "Présentation au Temple", "Presentación del Señor", "献主节", "Presentazione del Signore", "Uvedení Páně do chrámu", "主の迎接祭", "주님 봉헌 축일"}},
    /* 69 */ {"07.04.0000", "PRA", "R_PRAKRES", {"Благовещение Пресвятой Богородицы", "Annunciation", "Mariä Verkündigung", "Annonciation", "Anunciación", "天使报喜节", "Annunciazione", "Zvěstování Páně", "生神女福音祭", "성모 영보 축일"}},
    /* 70 */ {"07.07.0000", "PRA", "R_PRAKRES", {"Рождество Иоанна Предтечи", "Nativity of Saint John the Baptist", "Geburt Johannes des Täufers", "Nativité de saint Jean-Baptiste", "Natividad de San Juan Bautista", "施洗约翰诞辰", "Natività di San Giovanni Battista", "Narození svatého Jana Křtitele", "前駆授洗イオアン誕生祭", "세례자 요한 탄생 축일"}},
    /* 71 */ {"12.07.0000", "PRA", "R_PRAKRES", {"День святых апостолов Петра и Павла", "Saints Peter and Paul", "Peter und Paul", "Saints Pierre et Paul", "San Pedro y San Pablo", "圣彼得和圣保罗节", "Santi Pietro e Paolo", "Svatý Petr a Pavel", "聖使徒ペトル・パウェル祭", "성 베드로와 바오로 축일"}},
    /* 72 */ {"19.08.0000", "PRA", "R_PRAKRES", {"Преображение Господне", "Transfiguration", "Verklärung des Herrn", "Transfiguration", "Transfiguración del Señor", "主显圣容节", "Trasfigurazione", "Proměnění Páně", "主の顕栄祭", "주님 변모 축일"}},
    /* 73 */ {"28.08.0000", "PRA", "R_PRAKRES", {"Успение Пресвятой Богородицы", "Dormition of the Mother of God", "Entschlafen der Gottesmutter", "Dormition de la Mère de Dieu", "Dormición de la Madre de Dios", "圣母安息节", "Dormizione della Madre di Dio", "Zesnutí Bohorodice", "生神女就寝祭", "성모 안식 축일"}},
    /* 74 */ {"11.09.0000", "PRA", "R_PRAKRES", {"Усекновение главы Иоанна Предтечи", "Beheading of Saint John the Baptist", "Enthauptung Johannes des Täufers", "Décollation de saint Jean-Baptiste", "Degollación de San Juan Bautista", "施洗约翰被斩首日", "Decollazione di San Giovanni Battista", "Stětí svatého Jana Křtitele", "前駆授洗イオアン斬首祭", "세례자 요한 참수 기념일"}},
    /* 75 */ {"21.09.0000", "PRA", "R_PRAKRES", {"Рождество Пресвятой Богородицы", "Nativity of the Mother of God", "Geburt der Gottesmutter", "Nativité de la Mère de Dieu", "Natividad de la Madre de Dios", "圣母诞辰节", "Natività della Madre di Dio", "Narození Bohorodice", "生神女誕生祭", "성모 탄생 축일"}},
    /* 76 */ {"27.09.0000", "PRA", "R_PRAKRES", {"Воздвижение Креста Господня", "Exaltation of the Cross", "Kreuzerhöhung", "Exaltation de la Sainte Croix", "Exaltación de la Santa Cruz", "举荣圣架节", "Esaltazione della Santa Croce", "Povýšení svatého Kříže", "十字架挙栄祭", "성 십자가 현양 축일"}},
    /* 77 */ {"14.10.0000", "PRA", "R_PRAKRES", {"Покров Пресвятой Богородицы", "Protection of the Mother of God", "Schutz der Gottesmutter", "Protection de la Mère de Dieu", "Protección de la Madre de Dios", "圣母帡幪节", "Protezione della Madre di Dio", "Ochrana Bohorodice", "生神女庇護祭", "성모 보호 축일"}},
    /* 78 */ {"04.12.0000", "PRA", "R_PRAKRES", {"Введение во храм Пресвятой Богородицы", "Presentation of the Mother of God", "Einführung der Gottesmutter in den Tempel", "Présentation de la Mère de Dieu au Temple", "Presentación de la Madre de Dios en el Templo", "圣母进殿节", "Presentazione della Madre di Dio al Tempio", "Uvedení Bohorodice do chrámu", "生神女進堂祭", "성모 입당 축일"}},
    /* 79 */ {"pasha.k000", "KAT", "R_PASHA00", {"Пасха", "Easter", "Ostern", "Pâques", "Pascua", "复活节", "Pasqua", "Velikonoce", "復活祭", "부활절"}},
    /* 80 */ {"02.02.0000", "KAT", "R_KATKRES", {"Сретение Господне", "Presentation of the Lord", "Mariä Lichtmess", "Chandeleur", "Candelaria", "献主节", "Candelora", "Hromnice", "主の奉献", "주님 봉헌 축일"}},
    /* 81 */ {"25.03.0000", "KAT", "R_KATKRES", {"Благовещение", "Annunciation", "Verkündigung des Herrn", "Annonciation", "Anunciación", "圣母领报节", "Annunciazione", "Zvěstování Páně", "神のお告げ", "주님 탄생 예고 대축일"}},
    /* 82 */ {"06.08.0000", "KAT", "R_KATKRES", {"Преображение Господне", "Transfiguration", "Verklärung des Herrn", "Transfiguration", "Transfiguración", "耶稣显圣容节", "Trasfigurazione", "Proměnění Páně", "主の変容", "주님의 거룩한 변모 축일"}},
    /* 83 */ {"08.09.0000", "KAT", "R_KATKRES", {"Рождество Пресвятой Девы Марии", "Nativity of the Blessed Virgin Mary", "Mariä Geburt", "Nativité de la Vierge Marie", "Natividad de la Virgen María", "圣母诞辰", "Natività della Beata Vergine Maria", "Narození Panny Marie", "聖母マリアの誕生", "복되신 동정 마리아 탄생 축일"}},
    /* 84 */ {"01.11.0000", "KAT", "R_KATKRES", {"День всех святых", "All Saints` Day", "Allerheiligen", "Toussaint", "Día de Todos los Santos", "诸圣节", "Ognissanti", "Slavnost Všech svatých", "諸聖人の日", "모든 성인 대축일"}},
    /* 85 */ {"24.12.0000", "KAT", "R_ROGDEST", {"Сочельник", "Christmas Eve", "Heiligabend", "Veille de Noël", "Nochebuena", "平安夜", "Vigilia di Natale", "Štědrý den", "クリスマス・イブ", "크리스마스이브"}},
    /* 86 */ {"25.12.0000", "KAT", "R_ROGDEST", {"Рождество", "Christmas", "Weihnachten", "Noël", "Navidad", "圣诞节", "Natale", "Boží hod vánoční", "クリスマス", "크리스마스"}},
};
// clang-format on

} // namespace

void CalendarEntry(int Index, QString& Text)
{
    Text.clear();
    if (Index < 1 || Index > EntryCount)
        return;
    const Row& r = kRows[Index - 1];
    const QChar sep = QLatin1Char('#');
    Text = QString::fromLatin1(r.date) + sep + QString::fromLatin1(r.who) + sep + QString::fromLatin1(r.res) + sep;
    for (const char* t : r.text)
        Text += QString::fromUtf8(t) + sep;
}

} // namespace Calendar
