#include "rvMainContent.h"
#include "rvRandom.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rvRandom::seed(QDateTime::currentDateTime().toSecsSinceEpoch());
    rvMainContent window;
    window.setWindowTitle(QStringLiteral("Verrin - Oren Vale"));
    window.resize(900, 644);
    window.show();
    return application.exec();
}
