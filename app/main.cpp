#include "app/MainForm.h"
#include "game/GameTexts.h"
#include "platform/ProgramPaths.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QTimer>

#include <cstring>
#include <iostream>

namespace {

constexpr const char* Usage = "Usage: velmora-puzzle [--quit-after-start]\n"
                              "  or:  velmora-puzzle --help | --version\n";

void PrintHelp() {
    std::cout << Usage
              << "Velmora 9x9 Puzzle: a Sudoku game whose puzzles are dealt by number.\n"
                 "\n"
                 "Options:\n"
                 "  --quit-after-start  open the window and close it again at once, as the player\n"
                 "                      would: the settings are read and written back\n"
                 "  --help              print this help and exit\n"
                 "  --version           print the version and exit\n"
                 "\n"
                 "Qt's own options, such as -platform NAME, are taken as well.\n";
}

bool IsOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// Every size the desktop has, built into the program (":/icons/SIZExSIZE/velmora-puzzle.png").
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator files(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        icon.addFile(files.next());
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    if (IsOption(argc, argv, "--help")) {
        PrintHelp();
        return 0;
    }
    if (IsOption(argc, argv, "--version")) {
        std::cout << "velmora-puzzle " VELMORA_VERSION "\n";
        return 0;
    }
    platform::ProgramPaths::Resolve();

    QApplication app(argc, argv); // takes Qt's own options out of argv
    bool quitAfterStart = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after-start") == 0) {
            quitAfterStart = true;
            continue;
        }
        std::cerr << "velmora-puzzle: unknown option '" << argv[i] << "'\n" << Usage;
        return 2;
    }
    QApplication::setApplicationName(QString::fromLatin1(GameTexts::ApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora-puzzle"));
    QApplication::setWindowIcon(ProgramIcon());
    TMainForm form;
    form.show();
    if (quitAfterStart) QTimer::singleShot(0, &form, &QWidget::close);
    return app.exec();
}
