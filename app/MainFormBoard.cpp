// The board view: drawing, the pointer, the number picker, held keys and the blinking marker.
#include "app/BlinkMarker.h"
#include "app/DigitRowKey.h"
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

// The blinking marker sits this much left of and above the marked square, at the normal size.
constexpr int MarkerLeft = 2;
constexpr int MarkerTop = 7;
// The held-key label trails the pointer by this much.
constexpr int TrailOffset = 15;
// The picker opens with its outer circle centred on the pointer.
constexpr int PickerCentre = 50;

// The held-key value of a key: 1-9 for the digit row (by its place, in any layout), 0 for X, -1
// for any other key.
int HeldKeyValue(int key, bool keypad, std::uint32_t nativeScanCode) {
    const int digit = DigitRowKey(nativeScanCode, key, keypad);
    if (digit >= 1) return digit;
    return key == Qt::Key_X ? 0 : -1;
}

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
    view.Notes = &Game.Notes();
    if (Game.Options().HiliteErrors) view.Conflicts = FindConflicts(Game.Board());
    if (Game.Cursor().Shown) {
        view.CursorCol = Game.Cursor().Col;
        view.CursorRow = Game.Cursor().Row;
    }
    view.SameDigit = SameDigitShown();
    view.Paused = Game.Paused();
    return view;
}

// The digit of the square under the pointer, or else under the keyboard's cursor.
int TMainForm::SameDigitShown() const {
    if (!Game.Options().HiliteSameDigit) return 0;
    if (PointerOnBoard && HoverCol >= 1) return Game.Board()[HoverCol][HoverRow].Value;
    if (Game.Cursor().Shown) return Game.Board()[Game.Cursor().Col][Game.Cursor().Row].Value;
    return 0;
}

void TMainForm::DrawBoard(const TBoard& board) {
    const TBoardView view = CurrentView();
    if (view.MarkerShown && view.MarkCol >= 1 && view.MarkRow >= 1) {
        const int cell = pb->height() / 9;
        const double scale = static_cast<double>(cell) / (BoardPixels / 9);
        BlinkLbl->move(pb->x() + (view.MarkCol - 1) * cell - qRound(MarkerLeft * scale),
                       pb->y() + (view.MarkRow - 1) * cell - qRound(MarkerTop * scale));
        BlinkLbl->raise();
    }
    // One picture pixel per device pixel, so lines and digits stay sharp at any scale factor.
    const int side = qRound(pb->width() * pb->devicePixelRatioF());
    if (BoardBitmap.width() != side || BoardBitmap.height() != side)
        BoardBitmap = QImage(side, side, QImage::Format_RGB32);
    PaintBoard(BoardBitmap, board, view);
    PictureFresh = true;
    pb->repaint(BoardRect);
    PictureFresh = false;
}

// Paint events copy the finished picture in one block; unless DrawBoard has just painted it, the
// picture is redrawn first so that it always shows the current board and options.
void TMainForm::pbPaint() {
    const int side = qRound(pb->width() * pb->devicePixelRatioF());
    if (BoardBitmap.width() != side || BoardBitmap.height() != side) {
        BoardBitmap = QImage(side, side, QImage::Format_RGB32);
        PictureFresh = false;
    }
    if (!PictureFresh) PaintBoard(BoardBitmap, Game.Board(), CurrentView());
    QPainter painter(pb);
    painter.drawImage(QRectF(BoardRect), BoardBitmap);
}

void TMainForm::pbMouseMove(int x, int y) {
    Label1->move(pb->x() + x + TrailOffset, pb->y() + y + TrailOffset);
    const int sameDigit = SameDigitShown();
    PointerOnBoard = true;
    HoverCol = SquareAt(x, pb->width());
    HoverRow = SquareAt(y, pb->height());
    bool redraw = Game.Options().HiliteRowAndColumn || SameDigitShown() != sameDigit;
    if (Game.Options().HiliteCell) {
        HoverBox = BoxOf(HoverCol, HoverRow);
        if (HoverBox != LastHoverBox) redraw = true;
        LastHoverBox = HoverBox;
    }
    if (redraw) DrawBoard(Game.Board());
}

void TMainForm::pbMouseDown(Qt::MouseButton button, int x, int y, quint64 time) {
    pb->setToolTip(QString());
    if (Game.Paused()) return;              // the board is hidden
    TChanges changes = Game.PressOnBoard(); // the square shows without the mark at once
    const int col = SquareAt(x, pb->width());
    const int row = SquareAt(y, pb->height());
    if (button == Qt::LeftButton && !Game.Board()[col][row].Given) {
        ClickCol = col;
        ClickRow = row;
        if (HeldDigit >= 0) {
            HeldDigitUsed = true; // it went here, not to the keyboard's square
            if (Game.NotesMode() && HeldDigit >= 1)
                changes |= Game.ToggleNote(col, row, HeldDigit);
            else
                changes |= Game.EnterDigit(col, row, HeldDigit);
        } else {
            PickerPanel->setVisible(!PickerPanel->isVisible());
            OpenPicker(col, row, pb->pos() + QPoint(x, y));
            PickerPanel->SetOpenedAt(time);
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

void TMainForm::OpenPicker(int col, int row, QPoint centre) {
    ClickCol = col;
    ClickRow = row;
    PickerPanel->move(centre - QPoint(PickerCentre, PickerCentre));
    PickerPanel->raise();
    const int value = Game.Board()[col][row].Value;
    PickerPanel->SetCentreText(value > 0 ? QString::number(value) : QString());
}

// The main-row digits and X are held keys, as they always were: held while a square is clicked
// they go into that square. Released without a click they go into the keyboard's square.
bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, std::uint32_t nativeScanCode) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        HeldDigit = -1;
        return false;
    }
    const int held = HeldKeyValue(key, keypad, nativeScanCode);
    if (held >= 0) {
        HeldDigit = held;
        HeldDigitUsed = false;
        Label1->setText(HeldDigit == 0 ? QStringLiteral("X") : QString::number(HeldDigit));
        Label1->adjustSize();
        Label1->show();
        Label1->raise();
        return true;
    }
    HeldDigit = -1;
    if (DigitRowKey(nativeScanCode, key, keypad) == 0) {
        KeyDigit(0);
        return true;
    }
    switch (key) {
    case Qt::Key_Left:
        ShowChanges(Game.MoveCursor(-1, 0));
        return true;
    case Qt::Key_Right:
        ShowChanges(Game.MoveCursor(1, 0));
        return true;
    case Qt::Key_Up:
        ShowChanges(Game.MoveCursor(0, -1));
        return true;
    case Qt::Key_Down:
        ShowChanges(Game.MoveCursor(0, 1));
        return true;
    case Qt::Key_0:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        KeyDigit(0);
        return true;
    case Qt::Key_Escape:
        if (!PickerPanel->isVisible()) return false;
        PickerPanel->hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        if (Game.Paused()) return true;
        ShowChanges(Game.MoveCursor(0, 0));
        const int col = Game.Cursor().Col;
        const int row = Game.Cursor().Row;
        if (Game.Board()[col][row].Given) return true;
        const int cell = pb->width() / 9;
        OpenPicker(col, row, pb->pos() + QPoint((col - 1) * cell + cell / 2, (row - 1) * cell + cell / 2));
        PickerPanel->show();
        return true;
    }
    default:
        if (keypad && key >= Qt::Key_1 && key <= Qt::Key_9) {
            KeyDigit(key - Qt::Key_0);
            return true;
        }
        return false;
    }
}

void TMainForm::FormKeyUp(int key, bool keypad, std::uint32_t nativeScanCode) {
    const bool typed =
        HeldDigit >= 0 && !HeldDigitUsed && HeldKeyValue(key, keypad, nativeScanCode) == HeldDigit;
    const int digit = HeldDigit;
    Label1->hide();
    HeldDigit = -1;
    if (typed) KeyDigit(digit);
}

void TMainForm::KeyDigit(int digit) {
    PickerPanel->hide();
    ShowChanges(Game.KeyDigit(digit));
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
        if (key->isAutoRepeat()) {
            // A held arrow key keeps moving the cursor.
            const bool arrow = key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down;
            if (arrow && event->type() == QEvent::KeyPress)
                return FormKeyDown(key->key(), key->modifiers(), key->nativeScanCode());
            break;
        }
        if (event->type() == QEvent::KeyPress) {
            if (FormKeyDown(key->key(), key->modifiers(), key->nativeScanCode())) return true;
        } else {
            FormKeyUp(key->key(), key->modifiers().testFlag(Qt::KeypadModifier), key->nativeScanCode());
        }
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
            pbMouseDown(mouse->button(), p.x(), p.y(), mouse->timestamp());
            return true;
        }
        if (watched == LEDDisplay1 && mouse->button() == Qt::LeftButton) {
            Pause1Click(); // a click on the clock pauses or resumes
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
        if (watched == pb) {
            const int sameDigit = SameDigitShown();
            PointerOnBoard = false;
            if (SameDigitShown() != sameDigit) DrawBoard(Game.Board());
        }
        break;
    case QEvent::Resize:
        if (watched == Client) LayoutClient();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
