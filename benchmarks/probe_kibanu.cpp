// Starts Kibanu on the program folder given as argument and ends once its main window
// has been painted.
#include "probe_exit.h"

#include "app/kibanuapp.h"
#include "board/frmtodo.h"
#include "text/clock.h"
#include "ui/messageboxprompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    if (argc != 2)
        qFatal("usage: probe_kibanu PROGRAM_FOLDER");
    qapp.setApplicationName(QStringLiteral("Kibanu"));
    qapp.setQuitOnLastWindowClosed(false);
    KibanuApp app(QString::fromLocal8Bit(argv[1]), std::make_unique<SystemClock>(),
                  std::make_unique<MessageBoxPrompter>());
    ExitOnFirstPaint exit([&app]() -> QWidget * { return app.todoWindow(); });
    app.start();
    return qapp.exec();
}
