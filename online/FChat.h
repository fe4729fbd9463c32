#pragma once
// The chat of the players of the maker's games: list 100 of the world rating service,
// whose ten best rows (the highest message numbers) are the ten newest messages.
#include <QDialog>
#include <QList>
#include <QString>

class QLineEdit;
class QTimer;
class TQyvCardsButton;
namespace platform {
class PictureControl;
}

class TFormChat : public QDialog {
public:
    explicit TFormChat(QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Image3Click();

    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* Image3;
    platform::PictureControl* ImageDiv;
    platform::PictureControl* Image2;
    QLineEdit* Edit1;
    TQyvCardsButton* Button3;
    TQyvCardsButton* Button1;
    TQyvCardsButton* Button2;
    QTimer* Timer1;

    // What the last drawing put on each of the ten lines, top line first: the
    // background picture, and the header and message texts of a filled row.
    struct Line {
        QString background;
        QString number, header, text;
    };
    QList<Line> BoardLines;
    QString BoardMessage;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

namespace FChat {

// The nick of the chat's administrator; its rows stand out.
inline const QString AdministratorNick = QStringLiteral("Moderator");

void SetChatFonts(TFormChat& form);
void DrawChatMessages(TFormChat& form);
void SendChatMessage(TFormChat& form);
// Every character outside the passport's classes becomes "_".
QString ChatFiltered(const QString& text);
// Time, date and program name joined by "_", with no blank left in them.
QString ChatTimeStamp();
// The message line may be used: nick and city of the passport pass.
bool PassportPasses();

} // namespace FChat

// Creates the chat window and shows it modally; returns its result code.
int ShowFormChat(QWidget* owner);
