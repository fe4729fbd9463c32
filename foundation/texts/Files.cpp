// Messages about the club file and the settings file. A message is the text, a blank, the file name in double quotes and an exclamation mark.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

const TText TxtCantFindFile = Ten(
    "Can`t find the file",                         // Eng
    "Не удаётся найти файл",                       // Rus
    "Datei nicht gefunden:",                       // Deu
    "Fichier introuvable :",                       // Fra
    "No se encuentra el archivo",                  // Spa
    "找不到文件",                                  // Chi
    "Impossibile trovare il file",                 // Ita
    "Nelze najít soubor",                          // Cze
    "ファイルが見つかりません:",                   // Jap
    "파일을 찾을 수 없습니다:");                    // Kor

const TText TxtCantReadFile = Ten(
    "Can`t read the file",                         // Eng
    "Не удаётся прочитать файл",                   // Rus
    "Datei nicht lesbar:",                         // Deu
    "Impossible de lire le fichier",               // Fra
    "No se puede leer el archivo",                 // Spa
    "无法读取文件",                                // Chi
    "Impossibile leggere il file",                 // Ita
    "Nelze přečíst soubor",                        // Cze
    "ファイルを読み込めません:",                   // Jap
    "파일을 읽을 수 없습니다:");                    // Kor

const TText TxtIncorrectFile = Ten(
    "The incorrect file",                          // Eng
    "Неверный файл",                               // Rus
    "Ungültige Datei:",                            // Deu
    "Fichier incorrect :",                         // Fra
    "Archivo incorrecto:",                         // Spa
    "文件无效",                                    // Chi
    "File non valido",                             // Ita
    "Neplatný soubor",                             // Cze
    "不正なファイル:",                             // Jap
    "잘못된 파일:");                                // Kor

const TText TxtDiskWriteError = Ten(
    "Error of disk writing!",                      // Eng
    "Ошибка записи на диск!",                      // Rus
    "Fehler beim Schreiben auf den Datenträger!",  // Deu
    "Erreur d'écriture sur le disque !",           // Fra
    "¡Error de escritura en el disco!",            // Spa
    "磁盘写入错误！",                              // Chi
    "Errore di scrittura su disco!",               // Ita
    "Chyba zápisu na disk!",                       // Cze
    "ディスクへの書き込みに失敗しました！",        // Jap
    "디스크 쓰기 오류!");                           // Kor

const TText TxtCantMakeChanges = Ten(
    "Can`t make changes on the disk!",             // Eng
    "Невозможно сохранить изменения на диске!",    // Rus
    "Änderungen können nicht gespeichert werden!",  // Deu
    "Impossible d'enregistrer les modifications sur le disque !",  // Fra
    "¡No se pueden guardar los cambios en el disco!",  // Spa
    "无法将更改写入磁盘！",                        // Chi
    "Impossibile salvare le modifiche sul disco!",  // Ita
    "Změny nelze uložit na disk!",                 // Cze
    "ディスクに変更を保存できません！",            // Jap
    "디스크에 변경 내용을 저장할 수 없습니다!");    // Kor

const TText TxtCantSaveOptions = Ten(
    "Can`t save options!",                         // Eng
    "Не удаётся сохранить настройки!",             // Rus
    "Einstellungen können nicht gespeichert werden!",  // Deu
    "Impossible d'enregistrer les réglages !",     // Fra
    "¡No se pueden guardar las opciones!",         // Spa
    "无法保存设置！",                              // Chi
    "Impossibile salvare le opzioni!",             // Ita
    "Nastavení nelze uložit!",                     // Cze
    "設定を保存できません！",                      // Jap
    "설정을 저장할 수 없습니다!");                  // Kor

// first line of the attribute message: this, a blank, the quoted name, a blank and the next table
const TText TxtTheFile = Ten(
    "The file",                                    // Eng
    "Файл",                                        // Rus
    "Die Datei",                                   // Deu
    "Le fichier",                                  // Fra
    "El archivo",                                  // Spa
    "文件",                                        // Chi
    "Il file",                                     // Ita
    "Soubor",                                      // Cze
    "ファイル",                                    // Jap
    "파일");                                        // Kor

const TText TxtHasIncorrectAttributes = Ten(
    "has incorrect attributes!",                   // Eng
    "имеет неверные атрибуты!",                    // Rus
    "hat falsche Attribute!",                      // Deu
    "a des attributs incorrects !",                // Fra
    "tiene atributos incorrectos.",                // Spa
    "的属性不正确！",                              // Chi
    "ha attributi non validi!",                    // Ita
    "má nesprávné atributy!",                      // Cze
    "の属性が正しくありません！",                  // Jap
    "의 속성이 올바르지 않습니다!");                // Kor

// second line of the attribute message
const TText TxtWorkWillBeIncorrect = Ten(
    "The work of the program will be incorrect!",  // Eng
    "Программа будет работать неправильно!",       // Rus
    "Das Programm wird nicht richtig funktionieren!",  // Deu
    "Le programme ne fonctionnera pas correctement !",  // Fra
    "El programa no funcionará correctamente.",    // Spa
    "程序将无法正常运行！",                        // Chi
    "Il programma non funzionerà correttamente!",  // Ita
    "Program nebude fungovat správně!",            // Cze
    "プログラムが正しく動作しません！",            // Jap
    "프로그램이 올바르게 작동하지 않습니다!");      // Kor

} // namespace Texts
