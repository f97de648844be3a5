#include "main_form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Main_form form;
    form.showMaximized();
    return application.exec();
}
