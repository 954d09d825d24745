#include "app/app.h"
#include "app/recovery.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CPavlixMakerApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1), SessionRecovery::DefaultFolder()))
        return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
