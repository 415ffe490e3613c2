#include "app/MainForm.h"
#include "game/GameTexts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(GameTexts::ApplicationTitle));
    TMainForm form;
    form.show();
    return app.exec();
}
