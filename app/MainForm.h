// The game's one window. Its handlers keep the names the game has always used (BtnNewClick,
// pbMouseDown, Timer1Timer, ...); each turns an event into a call on TGame and then shows what
// changed. The rules live in TGame, the board picture in BoardPainter.
#pragma once

#include "app/PrintCommand.h"
#include "board/BoardPainter.h"
#include "game/TGame.h"
#include "widgets/LEDDisplay.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QProgressBar;
class QToolButton;
class TBlinkMarker;
class TNumberPicker;

// The tests' one way in: read-only views of what the window holds and the ticks of its timers
// (defined in tests/app/MainFormTestAccess.h). Everything else they do through the controls.
class TMainFormTestAccess;

class TMainForm : public QMainWindow, private TPrintSteps {
    Q_OBJECT

  public:
    static constexpr int ClientWidth = 555;
    static constexpr int ClientHeight = 554;
    static constexpr int FinishPauseMs = 200;

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    friend class TMainFormTestAccess;

    // --- Board view ---
    void DrawBoard(const TBoard& board); // into BoardBitmap, then straight onto the screen
    TBoardView CurrentView() const;
    void pbPaint();
    void pbMouseMove(int x, int y);
    void pbMouseDown(Qt::MouseButton button, int x, int y, quint64 time);
    void Shape1MouseDown(int tag);
    void Shape2MouseDown();
    // A key pressed or released while the window is active; true when the key was the board's.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers, std::uint32_t nativeScanCode);
    void FormKeyUp(int key, bool keypad, std::uint32_t nativeScanCode);
    void KeyDigit(int digit);                         // a digit key (0 erases) on the keyboard's square
    void OpenPicker(int col, int row, QPoint centre); // centre in the panel's coordinates
    int SameDigitShown() const;
    void BlinkLblMouseDown();
    void TimeoutTimerTimer();

    // --- Commands ---
    void BtnNewClick();
    void LevelMouseDown(int level); // BtnMouseDown .. Btn3MouseDown
    void BtnFindClick();
    void FindPuzzle(const QString& text); // the confirmed input box
    void Gotorandompuzzle1Click();
    void BtnRefreshClick();
    void BtnPostClick();
    void BtnHelpClick();
    void BtnFinishClick();
    void BtnPrintClick();
    void PrintBook1Click();
    void BtnOpenClick();
    void BtnSaveClick();
    void BtnExitClick();
    void About1Click();
    void HiliteRowandColumn1Click();
    void HiliteCell1Click();
    void TimedGame1Click();
    void Timer1Timer();
    void Toolbar1MouseLeave();
    void Undo1Click();
    void Redo1Click();
    void NotesMode1Click();
    void FillNotes1Click();
    void Pause1Click();
    void HiliteErrors1Click();
    void HiliteSameDigit1Click();
    void BestTimes1Click();
    void RecordCompletion(); // a completed game counts for the best times

    // --- Files ---
    void LoadSettings();
    bool SaveSettings(); // false after telling the player it could not write
    bool SaveGame();
    void LoadGame();
    // What closing asks: true when the window may close.
    bool FormCloseQuery();

    // Shows on the controls what a command of the game changed, the board last.
    void ShowChanges(TChanges changes);
    void SetToolTipTime(int ms);

    // --- What the print command changes and puts back ---
    void SetClockRunning(bool Running) override;
    bool HiliteRowAndColumn() const override;
    bool HiliteCell() const override;
    void SetHilite(bool RowAndColumn, bool Cell) override;
    void RepaintBoard() override;
    bool ClockShouldRun() const override;
    platform::RgbBitmap BoardPicture() const override;
    std::int32_t PuzzleNumber() const override;
    void ShowError(const std::string& Message) override;

    void FormCreate();
    void FormDestroy();
    void CreateMenu();
    void CreateGameMenu();
    // Places the panel, the board, the help line and the status bar for the client's size; the
    // board stays square, as large as fits, and its picture has a pixel per device pixel.
    void LayoutClient();
    void CreateToolbar();
    void CreatePanel();
    void CreateStatusBar();
    QToolButton* AddButton(const char* name, const char* caption, const char* tip);
    void AddSpacer();
    void MovePointerToNew();
    void PlacePointerOnNew();

    // --- Game state ---
    TGame Game;
    QImage BoardBitmap;
    QRect BoardRect;
    QTimer Timer1;       // the game clock, 1000 ms
    QTimer TimeoutTimer; // hides the blinking marker, 5000 ms
    int HeldDigit = -1;  // -1 none, 0 the X key, 1-9 a digit key
    int ClickCol = 0, ClickRow = 0;
    int HoverCol = 0, HoverRow = 0, HoverBox = 0, LastHoverBox = 0;
    int FinishPause = FinishPauseMs; // the pause after each digit of Finish

    // --- Controls ---
    QWidget* Client = nullptr;
    QFrame* Toolbar1 = nullptr;
    QToolButton *BtnNew = nullptr, *BtnOpen = nullptr, *BtnSave = nullptr, *BtnFind = nullptr;
    QToolButton *Btn = nullptr, *Btn1 = nullptr, *Btn2 = nullptr, *Btn3 = nullptr;
    QToolButton *BtnRefresh = nullptr, *BtnPost = nullptr, *BtnHelp = nullptr, *BtnFinish = nullptr;
    QToolButton *BtnPrint = nullptr, *BtnExit = nullptr;
    QButtonGroup* LevelGroup = nullptr;
    TLEDDisplay* LEDDisplay1 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* pb = nullptr;
    QLabel* HelpLbl = nullptr;
    TBlinkMarker* BlinkLbl = nullptr;
    QLabel* Label1 = nullptr;
    TNumberPicker* PickerPanel = nullptr;
    QWidget* StatusBar1 = nullptr;
    QLabel* StatusPane2 = nullptr;
    QLabel* StatusPane1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QAction *Load1 = nullptr, *Save1 = nullptr, *Print1 = nullptr, *PrintBook1 = nullptr, *Exit1 = nullptr;
    QAction *Gotopuzzle1 = nullptr, *Gotorandompuzzle1 = nullptr;
    QAction *HiliteRowandColumn1 = nullptr, *HiliteCell1 = nullptr, *TimedGame1 = nullptr, *About1 = nullptr;
    QAction *HiliteErrors1 = nullptr, *HiliteSameDigit1 = nullptr;
    QAction *Undo1 = nullptr, *Redo1 = nullptr;
    QAction *NotesMode1 = nullptr, *FillNotes1 = nullptr, *Pause1 = nullptr, *BestTimes1 = nullptr;
    QAction *Post1 = nullptr, *Hint1 = nullptr, *Finish1 = nullptr;
    QFrame* ToolbarGroove = nullptr;
    bool HeldDigitUsed = false; // the held digit went into a clicked square
    bool PointerOnBoard = false;
    bool PictureFresh = false; // DrawBoard painted BoardBitmap for the repaint it asks for

    std::vector<QWidget*> ToolTipWidgets;
    int FToolTipTime = 10000;
    bool PointerPlaced = false;
    std::optional<QPoint> PointerRest; // where the start-up warp put the pointer
    QElapsedTimer SinceShown;
};
