#include "online/FChat.h"

#include "foundation/MessageBox.h"
#include "foundation/Texts.h"

TFormChat::TFormChat(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormChat"));
    setWindowTitle(Texts::Tx(Texts::TxtChatTitle));
}

int ShowFormChat(QWidget*)
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtChatUnavailable), QString(), QString());
    return QDialog::Rejected;
}
