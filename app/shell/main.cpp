#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Verrin - Oren Vale"));
    window.resize(900, 644);
    window.show();
    return application.exec();
}
