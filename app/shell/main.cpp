#include "rvMainBox.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rvMainBox window;
    window.show();
    return application.exec();
}
