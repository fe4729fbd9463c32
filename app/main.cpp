#include "app/Qyv__Form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardelin"));
    TForm1 form;
    form.show();
    return app.exec();
}
