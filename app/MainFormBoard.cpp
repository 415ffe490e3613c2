// The board view: drawing, the pointer, the number picker, held keys and the blinking marker.
#include "app/BlinkMarker.h"
#include "app/MainForm.h"
#include "app/NumberPicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The blinking marker's place relative to the marked square, in the panel that holds the board.
constexpr int MarkerLeft = 33;
constexpr int MarkerTop = -3;
// The held-key label trails the pointer by this much.
constexpr int TrailOffset = 15;
// The picker opens with its outer circle centred on the pointer.
constexpr int PickerCentre = 50;

} // namespace

TBoardView TMainForm::CurrentView() const {
    TBoardView view;
    view.HiliteRowAndColumn = Game.Options().HiliteRowAndColumn;
    view.HiliteCell = Game.Options().HiliteCell;
    view.UserFont = Game.Options().UserFont;
    view.HoverCol = HoverCol;
    view.HoverRow = HoverRow;
    view.HoverBox = HoverBox;
    view.MarkCol = Game.Mark().Col;
    view.MarkRow = Game.Mark().Row;
    view.MarkerShown = BlinkLbl->isVisible();
    return view;
}

void TMainForm::DrawBoard(const TBoard& board) {
    const TBoardView view = CurrentView();
    if (view.MarkerShown && view.MarkCol >= 1 && view.MarkRow >= 1) {
        const int cell = pb->height() / 9;
        BlinkLbl->move(view.MarkCol * cell + MarkerLeft, view.MarkRow * cell + MarkerTop);
        BlinkLbl->raise();
    }
    PaintBoard(BoardBitmap, board, view);
    pb->repaint(BoardRect);
}

// Paint events copy the finished picture in one block; the picture is redrawn first so that it
// always shows the current board and options.
void TMainForm::pbPaint() {
    PaintBoard(BoardBitmap, Game.Board(), CurrentView());
    QPainter painter(pb);
    painter.drawImage(BoardRect.topLeft(), BoardBitmap, BoardRect);
}

void TMainForm::pbMouseMove(int x, int y) {
    Label1->move(pb->x() + x + TrailOffset, pb->y() + y + TrailOffset);
    HoverCol = SquareAt(x, pb->width());
    HoverRow = SquareAt(y, pb->height());
    bool redraw = Game.Options().HiliteRowAndColumn;
    if (Game.Options().HiliteCell) {
        HoverBox = BoxOf(HoverCol, HoverRow);
        if (HoverBox != LastHoverBox) redraw = true;
        LastHoverBox = HoverBox;
    }
    if (redraw) DrawBoard(Game.Board());
}

void TMainForm::pbMouseDown(Qt::MouseButton button, int x, int y) {
    pb->setToolTip(QString());
    TChanges changes = Game.PressOnBoard(); // the square shows without the mark at once
    const int col = SquareAt(x, pb->width());
    const int row = SquareAt(y, pb->height());
    if (button == Qt::LeftButton && !Game.Board()[col][row].Given) {
        ClickCol = col;
        ClickRow = row;
        if (HeldDigit >= 0) {
            changes |= Game.EnterDigit(col, row, HeldDigit);
        } else {
            PickerPanel->move(pb->x() + x - PickerCentre, pb->y() + y - PickerCentre);
            PickerPanel->setVisible(!PickerPanel->isVisible());
            PickerPanel->raise();
            const int value = Game.Board()[col][row].Value;
            PickerPanel->SetCentreText(value > 0 ? QString::number(value) : QString());
        }
    }
    ShowChanges(changes);
}

void TMainForm::Shape1MouseDown(int tag) {
    PickerPanel->hide();
    ShowChanges(Game.ChooseDigit(ClickCol, ClickRow, tag));
}

void TMainForm::Shape2MouseDown() {
    PickerPanel->hide();
    ShowChanges(Game.HideHelp());
}

void TMainForm::FormKeyDown(int key, bool keypad) {
    if (!keypad && key >= Qt::Key_1 && key <= Qt::Key_9) {
        HeldDigit = key - Qt::Key_0;
        Label1->setText(QString::number(HeldDigit));
    } else if (key == Qt::Key_X) {
        HeldDigit = 0;
        Label1->setText(QStringLiteral("X"));
    } else {
        HeldDigit = -1;
        return;
    }
    Label1->adjustSize();
    Label1->show();
    Label1->raise();
}

void TMainForm::FormKeyUp() {
    Label1->hide();
    HeldDigit = -1;
}

void TMainForm::BlinkLblMouseDown() {
    ShowChanges(Game.PressOnMarker());
}

void TMainForm::TimeoutTimerTimer() {
    ShowChanges(Game.MarkerTimeout());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Keys count while this window is active, whichever of its controls has the focus.
        if (QApplication::activeWindow() != this || !watched->isWidgetType()) break;
        if (static_cast<QWidget*>(watched)->window() != this) break;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) break;
        if (event->type() == QEvent::KeyPress)
            FormKeyDown(key->key(), key->modifiers().testFlag(Qt::KeypadModifier));
        else
            FormKeyUp();
        break;
    }
    case QEvent::Paint:
        if (watched == pb) {
            pbPaint();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == pb) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            pbMouseMove(p.x(), p.y());
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == pb) {
            const QPoint p = mouse->position().toPoint();
            pbMouseDown(mouse->button(), p.x(), p.y());
            return true;
        }
        const int level = LevelGroup ? LevelGroup->id(qobject_cast<QAbstractButton*>(watched)) : -1;
        if (level >= 1) {
            LevelMouseDown(level);
            return true;
        }
        break;
    }
    case QEvent::Leave:
        if (watched == Toolbar1) Toolbar1MouseLeave();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
