#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures on the game's toolbar buttons, drawn in code so they scale and need no image files.
enum TToolIcon { tiNew, tiOpen, tiSave, tiFind, tiRefresh, tiPost, tiHelp, tiFinish, tiPrint, tiExit };

// The normal picture of a button, size x size pixels, transparent around the drawing.
QPixmap ToolIconPixmap(TToolIcon icon, int size = 22);

// The one look of every disabled button: the picture in grey, lightened and embossed.
QPixmap DisabledPixmap(const QPixmap& normal);

// An icon with the normal picture and its disabled look, ready for a QToolButton.
QIcon ToolIcon(TToolIcon icon, int size = 22);

class QToolButton;

// Gives a toolbar button its picture: icon only (its text stays for the accessibility name), at a
// fixed width so every button of the bar is the same size.
void DecorateToolButton(QToolButton* button, TToolIcon icon, int iconSize = 18, int width = 25);
