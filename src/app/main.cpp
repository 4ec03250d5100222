// The desktop application: the data files "Talix" and "Talixind" are looked for in the
// current directory; reports go to "Note" beside the executable.

#include <QApplication>
#include <QTimer>

#include "ui/Application.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    talix::Talix talix;
    // The message loop shows the main window: a request to end made while it opens (a
    // missing base file) then has a loop to leave.
    QTimer::singleShot(0, &talix, &talix::Talix::Demarrer);
    return application.exec();
}
