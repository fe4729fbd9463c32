#include "app/Qyv__Form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardelin"));
    TForm1 form;
    form.show();
    const int code = app.exec();
    return form.startupFailed() ? 1 : code;
}
