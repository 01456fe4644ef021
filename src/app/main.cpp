#include "kibanuapp.h"
#include "text/clock.h"
#include "ui/messageboxprompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    qapp.setApplicationName(QStringLiteral("Kibanu"));
    // Only the quit sequence ends the program.
    qapp.setQuitOnLastWindowClosed(false);
    KibanuApp app(QCoreApplication::applicationDirPath(), std::make_unique<SystemClock>(),
                  std::make_unique<MessageBoxPrompter>());
    app.start();
    return qapp.exec();
}
