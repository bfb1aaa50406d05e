#include <QApplication>

#include "app/About.h"
#include "app/HuelarkMain.h"
#include "app/HuelarkOpt.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tinquor");

    TMainForm main;
    TOptForm options(&main);
    TAboutBox about(&main);
    main.SetDialogs(&options, &about);
    main.show();
    return QApplication::exec();
}
