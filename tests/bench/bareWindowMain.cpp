// The baseline of the window benchmark: a bare Qt window of the main window's size.

#include "windowChild.h"

int main(int argc, char* argv[]) {
    return runWindowChild(argc, argv, [] {
        auto* window = new QWidget;
        window->resize(900, 644);
        return window;
    });
}
