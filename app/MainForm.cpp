#include "app/MainForm.h"

#include "app/BlinkMarker.h"
#include "app/NumberPicker.h"
#include "game/GameTexts.h"
#include "widgets/BalloonHints.h"
#include "widgets/ColourProgressBar.h"
#include "widgets/GrooveSpacer.h"
#include "widgets/LEDDisplay.h"
#include "widgets/LevelButton.h"
#include "widgets/ToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

QFont NamedFont(const char* family, int pixels, bool bold = false) {
    QFont font{QString::fromLatin1(family)};
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The four level buttons' colours, Easy to Extra Hard.
const QColor LevelColours[4] = {QColor(0, 160, 0), QColor(0, 96, 224), QColor(240, 140, 0),
                                QColor(208, 0, 0)};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromLatin1(GameTexts::WindowCaption));
    // MS Sans Serif is seldom installed here: Liberation Sans stands in for it by choice, not by
    // whatever the font configuration would pick.
    QFont font = NamedFont("MS Sans Serif", 11);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    setFont(font);
    CreateMenu();
    Client = new QWidget(this);
    Client->setFixedSize(ClientWidth, ClientHeight); // the size it opens at; freed below
    setCentralWidget(Client);
    CreateToolbar();
    CreatePanel();
    CreateStatusBar();

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    TimeoutTimer.setInterval(5000);
    connect(&TimeoutTimer, &QTimer::timeout, this, &TMainForm::TimeoutTimerTimer);

    QToolTip::setFont(NamedFont("Arial Narrow", 16));
    qApp->installEventFilter(this);
    new TBalloonHints(this); // after the window's filter, so it sees every press first
    FormCreate();

    // Opens at the normal size, centred on the screen; it can grow from there.
    adjustSize();
    const QSize opening = size();
    Client->setMinimumSize(ClientWidth, ClientHeight);
    Client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(opening);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    FormDestroy();
}

void TMainForm::FormCreate() {
    HeldDigit = -1;
    HelpLbl->setText(QString::fromLatin1(GameTexts::ChooseLevel));
    HelpLbl->setVisible(true);
    BlinkLbl->hide();
    SetToolTipTime(10000);
    BoardRect = QRect(0, 0, pb->width(), pb->height());
    LoadSettings(); // the game starts with no mark and the random seed 1
    QToolButton* levels[4] = {Btn, Btn1, Btn2, Btn3};
    levels[Game.State().Difficulty - 1]->setChecked(true);
    TimeoutTimer.start(); // its first tick, 5 s from now, only stops it
    ShowChanges(TChanges::All());
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (PointerPlaced) return;
    PointerPlaced = true;
    // The window only reaches its place on the screen once shown.
    QTimer::singleShot(0, this, &TMainForm::MovePointerToNew);
}

void TMainForm::MovePointerToNew() {
    SinceShown.start();
    PlacePointerOnNew();
    QCoreApplication::processEvents();
}

void TMainForm::PlacePointerOnNew() {
    layout()->activate();
    Toolbar1->layout()->activate();
    const QPoint centre(BtnNew->width() / 2, BtnNew->height() / 2);
    PointerRest = BtnNew->mapToGlobal(centre);
    QCursor::setPos(*PointerRest);
}

// A window manager frames and places the window only after it is shown, which moves the New button
// from under the pointer: follow it while the pointer still rests where it was put.
void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    constexpr qint64 PlacingMs = 3000;
    if (!PointerRest) return;
    if (QCursor::pos() != *PointerRest || SinceShown.elapsed() > PlacingMs)
        PointerRest.reset(); // the player has taken over
    else
        PlacePointerOnNew();
}

void TMainForm::FormDestroy() {
    SaveSettings();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

// --- Building the window ------------------------------------------------------------------------

void TMainForm::CreateMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    Load1 = file->addAction(QStringLiteral("&Load"), QKeySequence::Open, this, &TMainForm::BtnOpenClick);
    Save1 = file->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, &TMainForm::BtnSaveClick);
    Print1 = file->addAction(QStringLiteral("&Print"), QKeySequence::Print, this, &TMainForm::BtnPrintClick);
    PrintBook1 = file->addAction(QStringLiteral("Print Puzzle &Book..."), this, &TMainForm::PrintBook1Click);
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                            &TMainForm::BtnExitClick);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    Undo1 = edit->addAction(QStringLiteral("&Undo"), QKeySequence::Undo, this, &TMainForm::Undo1Click);
    Redo1 = edit->addAction(QStringLiteral("&Redo"), this, &TMainForm::Redo1Click);
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    CreateGameMenu();

    QMenu* go = menuBar()->addMenu(QStringLiteral("Go&to"));
    Gotopuzzle1 = go->addAction(QStringLiteral("&Select puzzle ..."), this, &TMainForm::BtnFindClick);
    Gotorandompuzzle1 =
        go->addAction(QStringLiteral("Goto &random puzzle"), this, &TMainForm::Gotorandompuzzle1Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    HiliteRowandColumn1 = options->addAction(QStringLiteral("Hilite &Row and Column"), this,
                                             &TMainForm::HiliteRowandColumn1Click);
    HiliteCell1 = options->addAction(QStringLiteral("Hilite &Cell"), this, &TMainForm::HiliteCell1Click);
    TimedGame1 = options->addAction(QStringLiteral("&Timed Game"), this, &TMainForm::TimedGame1Click);
    HiliteErrors1 =
        options->addAction(QStringLiteral("Hilite &Errors"), this, &TMainForm::HiliteErrors1Click);
    HiliteSameDigit1 =
        options->addAction(QStringLiteral("Hilite &Same Digit"), this, &TMainForm::HiliteSameDigit1Click);
    for (QAction* a : {HiliteRowandColumn1, HiliteCell1, TimedGame1, HiliteErrors1, HiliteSameDigit1})
        a->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    About1 = help->addAction(QStringLiteral("&About"), this, &TMainForm::About1Click);

    const std::pair<QAction*, const char*> names[] = {{Load1, "Load1"},
                                                      {Save1, "Save1"},
                                                      {Print1, "Print1"},
                                                      {PrintBook1, "PrintBook1"},
                                                      {Exit1, "Exit1"},
                                                      {Undo1, "Undo1"},
                                                      {Redo1, "Redo1"},
                                                      {Gotopuzzle1, "Gotopuzzle1"},
                                                      {Gotorandompuzzle1, "Gotorandompuzzle1"},
                                                      {HiliteRowandColumn1, "HiliteRowandColumn1"},
                                                      {HiliteCell1, "HiliteCell1"},
                                                      {TimedGame1, "TimedGame1"},
                                                      {HiliteErrors1, "HiliteErrors1"},
                                                      {HiliteSameDigit1, "HiliteSameDigit1"},
                                                      {About1, "About1"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QString::fromLatin1(name));
}

// Every toolbar command, with the notes, pause and best times, under the keyboard's reach.
void TMainForm::CreateGameMenu() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    const auto add = [&](const char* name, const char* text, const QKeySequence& keys, auto slot) {
        QAction* action = game->addAction(QString::fromLatin1(text), keys, this, slot);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add("New1", "&New", QKeySequence::New, &TMainForm::BtnNewClick);
    const char* levels[4] = {"&Easy", "&Medium", "&Hard", "E&xtra Hard"};
    for (int level = 1; level <= 4; ++level) {
        QAction* action = game->addAction(QString::fromLatin1(levels[level - 1]),
                                          QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + level)),
                                          this, [this, level] { LevelMouseDown(level); });
        action->setObjectName(QStringLiteral("Level%1").arg(level));
    }
    game->addSeparator();
    add("Find1", "&Find puzzle ...", QKeySequence::Find, &TMainForm::BtnFindClick);
    add("Random1", "&Goto random puzzle", QKeySequence(Qt::CTRL | Qt::Key_G),
        &TMainForm::Gotorandompuzzle1Click);
    add("Refresh1", "&Refresh", QKeySequence(Qt::Key_F5), &TMainForm::BtnRefreshClick);
    game->addSeparator();
    Post1 = add("Post1", "&Post", QKeySequence(Qt::Key_F6), &TMainForm::BtnPostClick);
    Hint1 = add("Hint1", "&Hint", QKeySequence(Qt::Key_F1), &TMainForm::BtnHelpClick);
    Finish1 = add("Finish1", "F&inish", QKeySequence(Qt::CTRL | Qt::Key_E), &TMainForm::BtnFinishClick);
    game->addSeparator();
    NotesMode1 = add("NotesMode1", "N&otes", QKeySequence(Qt::Key_N), &TMainForm::NotesMode1Click);
    FillNotes1 = add("FillNotes1", "Fill &Candidates", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                     &TMainForm::FillNotes1Click);
    Pause1 = add("Pause1", "P&ause", QKeySequence(Qt::Key_P), &TMainForm::Pause1Click);
    Pause1->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    for (QAction* a : {NotesMode1, Pause1})
        a->setCheckable(true);
    game->addSeparator();
    BestTimes1 =
        add("BestTimes1", "Best &Times ...", QKeySequence(Qt::CTRL | Qt::Key_T), &TMainForm::BestTimes1Click);
}

QToolButton* TMainForm::AddButton(const char* name, const char* caption, const char* tip) {
    auto* button = new QToolButton(Toolbar1);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setToolTip(QString::fromLatin1(tip));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(23);
    button->setFont(NamedFont("Arial Narrow", 12));
    if (*caption) button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 8);
    Toolbar1->layout()->addWidget(button);
    ToolTipWidgets.push_back(button);
    return button;
}

void TMainForm::AddSpacer() {
    Toolbar1->layout()->addWidget(new TGrooveSpacer(Toolbar1, 6));
}

void TMainForm::CreateToolbar() {
    Toolbar1 = new QFrame(Client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(0, 0, ClientWidth, 29);
    Toolbar1->setCursor(Qt::PointingHandCursor);
    auto* row = new QHBoxLayout(Toolbar1);
    row->setContentsMargins(2, 3, 2, 1);
    row->setSpacing(0);
    ToolbarGroove = new QFrame(Client); // the grooved top border
    ToolbarGroove->setGeometry(0, 0, ClientWidth, 2);
    ToolbarGroove->setFrameShape(QFrame::HLine);
    ToolbarGroove->setFrameShadow(QFrame::Sunken);

    AddSpacer();
    BtnNew = AddButton("BtnNew", "New", "Click here to create a new puzzle.");
    BtnOpen = AddButton("BtnOpen", "Open", "Load a previously saved game");
    BtnSave = AddButton("BtnSave", "Save", "Save your progress for later");
    BtnFind = AddButton("BtnFind", "Find", "Click here to find a specific puzzle");
    AddSpacer();
    LevelGroup = new QButtonGroup(this);
    LevelGroup->setExclusive(true);
    const char* names[4] = {"Btn", "Btn1", "Btn2", "Btn3"};
    const char* tips[4] = {"Click here to change the puzzle difficulty. Level: Easy.",
                           "Click here to change the puzzle difficulty. Level: Medium.",
                           "Click here to change the puzzle difficulty. Level: Hard.",
                           "Click here to change the puzzle difficulty. Level: Extra Hard."};
    QToolButton* levels[4];
    for (int i = 0; i < 4; ++i) {
        auto* level = new TLevelButton(i + 1, Toolbar1); // checkable; the one that is down shows sunk
        level->setObjectName(QString::fromLatin1(names[i]));
        level->setToolTip(QString::fromLatin1(tips[i]));
        level->SetColor(LevelColours[i]);
        level->setFixedSize(20, 23);
        Toolbar1->layout()->addWidget(level);
        ToolTipWidgets.push_back(level);
        levels[i] = level;
        LevelGroup->addButton(levels[i], i + 1);
        levels[i]->installEventFilter(this);
    }
    Btn = levels[0];
    Btn1 = levels[1];
    Btn2 = levels[2];
    Btn3 = levels[3];
    AddSpacer();
    BtnRefresh = AddButton("BtnRefresh", "Refresh", "Click here to restart your current puzzle");
    AddSpacer();
    LEDDisplay1 = new TLEDDisplay(Toolbar1);
    LEDDisplay1->setObjectName(QStringLiteral("LEDDisplay1"));
    LEDDisplay1->setFixedSize(125, 28);
    LEDDisplay1->SetBorderOuter(fsGroove);
    LEDDisplay1->SetCaption(QString::fromLatin1(GameTexts::InitialClock));
    Toolbar1->layout()->addWidget(LEDDisplay1);
    AddSpacer();
    BtnPost = AddButton("BtnPost", "Post", "Click here to check your progress.");
    BtnHelp = AddButton("BtnHelp", "Help", "Stuck? Click here for a hint.");
    AddSpacer();
    BtnFinish = AddButton("BtnFinish", "Finish", "Click here to have the puzzle completed automatically");
    AddSpacer();
    BtnPrint = AddButton("BtnPrint", "Print", "Print the current puzzle");
    AddSpacer();
    BtnExit = AddButton("BtnExit", "Exit", "Exit the game.");
    AddSpacer();
    row->addStretch(1);

    const std::pair<QToolButton*, TToolIcon> pictures[] = {
        {BtnNew, tiNew},         {BtnOpen, tiOpen}, {BtnSave, tiSave}, {BtnFind, tiFind},
        {BtnRefresh, tiRefresh}, {BtnPost, tiPost}, {BtnHelp, tiHelp}, {BtnFinish, tiFinish},
        {BtnPrint, tiPrint},     {BtnExit, tiExit}};
    for (const auto& [button, picture] : pictures)
        DecorateToolButton(button, picture);
    BtnPost->setEnabled(false);
    BtnHelp->setEnabled(false);
    BtnFinish->setEnabled(false);
    connect(BtnNew, &QToolButton::clicked, this, &TMainForm::BtnNewClick);
    connect(BtnOpen, &QToolButton::clicked, this, &TMainForm::BtnOpenClick);
    connect(BtnSave, &QToolButton::clicked, this, &TMainForm::BtnSaveClick);
    connect(BtnFind, &QToolButton::clicked, this, &TMainForm::BtnFindClick);
    connect(BtnRefresh, &QToolButton::clicked, this, &TMainForm::BtnRefreshClick);
    connect(BtnPost, &QToolButton::clicked, this, &TMainForm::BtnPostClick);
    connect(BtnHelp, &QToolButton::clicked, this, &TMainForm::BtnHelpClick);
    connect(BtnFinish, &QToolButton::clicked, this, &TMainForm::BtnFinishClick);
    connect(BtnPrint, &QToolButton::clicked, this, &TMainForm::BtnPrintClick);
    connect(BtnExit, &QToolButton::clicked, this, &TMainForm::BtnExitClick);
    Toolbar1->installEventFilter(this);
}

void TMainForm::CreatePanel() {
    Panel1 = new QWidget(Client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 32, 554, 498);

    pb = new QWidget(Panel1);
    pb->setObjectName(QStringLiteral("pb"));
    pb->setGeometry(79, 48, BoardPixels, BoardPixels);
    pb->setFont(NamedFont("Arial", 24, true));
    pb->setMouseTracking(true);
    pb->setAttribute(Qt::WA_OpaquePaintEvent);
    pb->setToolTip(QString::fromLatin1(GameTexts::BoardHint));
    pb->installEventFilter(this);
    ToolTipWidgets.push_back(pb);

    HelpLbl = new QLabel(Panel1);
    HelpLbl->setObjectName(QStringLiteral("HelpLbl"));
    HelpLbl->setGeometry(1, 10, 551, 23);
    HelpLbl->setAlignment(Qt::AlignCenter);
    HelpLbl->setFont(NamedFont("Arial Narrow", 19));

    BlinkLbl = new TBlinkMarker(Panel1);
    connect(BlinkLbl, &TBlinkMarker::Pressed, this, &TMainForm::BlinkLblMouseDown);

    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(NamedFont("Arial Narrow", 21));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->hide();

    PickerPanel = new TNumberPicker(Panel1);
    connect(PickerPanel, &TNumberPicker::Shape1MouseDown, this, &TMainForm::Shape1MouseDown);
    connect(PickerPanel, &TNumberPicker::Shape2MouseDown, this, &TMainForm::Shape2MouseDown);
}

void TMainForm::CreateStatusBar() {
    StatusBar1 = new QWidget(Client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 532, ClientWidth, 22);
    StatusPane2 = new QLabel(QString::fromLatin1(GameTexts::InitialPuzzlePane), StatusBar1);
    StatusPane2->setGeometry(0, 0, 125, 22);
    StatusPane1 = new QLabel(QString::fromLatin1(GameTexts::InitialProgressPane), StatusBar1);
    StatusPane1->setGeometry(125, 0, 180, 22);
    StatusPane2->setObjectName(QStringLiteral("StatusPane2"));
    StatusPane1->setObjectName(QStringLiteral("StatusPane1"));
    StatusPane1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* pane : {StatusPane2, StatusPane1})
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ProgressBar1 = new TColourProgressBar(StatusBar1); // purple, with a light yellow bar and text
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(305, 1, 246, 20);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setAlignment(Qt::AlignCenter);
}

void TMainForm::LayoutClient() {
    const int w = Client->width();
    const int h = Client->height();
    Toolbar1->setGeometry(0, 0, w, 29);
    ToolbarGroove->setGeometry(0, 0, w, 2);
    StatusBar1->setGeometry(0, h - 22, w, 22);
    ProgressBar1->setGeometry(305, 1, w - 309, 20);
    Panel1->setGeometry(0, 32, w - 1, h - 56);
    HelpLbl->setGeometry(1, 10, Panel1->width() - 3, 23);
    // The board's area keeps the margins it has at the normal size: 79 left, 76 right, 48 above
    // and 51 below.
    const int areaWidth = Panel1->width() - 155;
    const int areaHeight = Panel1->height() - 99;
    const int side = std::max(BoardPixels, std::min(areaWidth, areaHeight));
    pb->setGeometry(79 + (areaWidth - side) / 2, 48 + (areaHeight - side) / 2, side, side);
    BoardRect = QRect(0, 0, side, side);
    BlinkLbl->SetScale(static_cast<double>(side / 9) / (BoardPixels / 9));
    PickerPanel->hide();
    DrawBoard(Game.Board());
}

void TMainForm::SetToolTipTime(int ms) {
    FToolTipTime = ms;
    for (QWidget* w : ToolTipWidgets)
        w->setToolTipDuration(ms);
}
