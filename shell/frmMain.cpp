#include "shell/frmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QVBoxLayout>

#include "controls/zbbutton/zbButtons_H.h"
#include "engine/Random.h"
#include "help/HTMLHelp.h"
#include "platform/qt/BitmapImage.h"
#include "platform/qt/DesignFont.h"
#include "platform/skin/SkinLayout.h"
#include "platform/skin/WindowSkin.h"
#include "platform/skin/WindowSkinner.h"
#include "platform/sound/ClipPlayer.h"
#include "shell/About.h"
#include "shell/ControlFactory.h"
#include "shell/HintBoxDrag.h"
#include "shell/MainWindowProc.h"
#include "shell/MenuColours.h"
#include "shell/ProgramInfo.h"
#include "shell/Win.h"
#include "shell/widgets/DesignLabel.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

QImage workSurfacePicture(const FormDesign& design, const QString& name) {
    const ControlDesign* surface = design.find(name);
    return surface ? surface->properties.picture(QStringLiteral("Picture")) : QImage();
}

}  // namespace

frmMain::frmMain(FormDesign design) : QWidget(nullptr) {
    if (design.properties.contains(QStringLiteral("Font")))
        setFont(designFont(design.properties.font(QStringLiteral("Font"))));
    client_ = new FormClient(std::move(design), this);
    findControls();
    const FormDesign& d = client_->design();
    picCaption_ = workSurfacePicture(d, QStringLiteral("picCaption"));
    picBorders_ = workSurfacePicture(d, QStringLiteral("picBorders"));
    picNIcon_ = workSurfacePicture(d, QStringLiteral("picNIcon"));
    picRIcon_ = workSurfacePicture(d, QStringLiteral("picRIcon"));
    picStencil_ = bitmapFromImage(workSurfacePicture(d, QStringLiteral("picStencil")));

    const PropertyBag& timer = d.control(QStringLiteral("Timer1")).properties;
    timer1_.setInterval(static_cast<int>(timer.integer(QStringLiteral("Interval"), 1000)));
    if (timer.boolean(QStringLiteral("Enabled"), false)) timer1_.start();

    // The design's caption is empty; the window still needs a name to be found by.
    const QString caption = d.properties.text(QStringLiteral("Caption"));
    setWindowTitle(caption.isEmpty() ? QString::fromLatin1(kProgramTitle) : caption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->setMenuBar(menuBar_);
    layout->addWidget(client_);

    picScreen().showBitmap(&pictures_.picScreen);
    makePlayAreaPointers();
    connectPlayArea();
    hintBoxDrag_ = new HintBoxDrag(picStatus(), picScreen(), rules_);
    // Dragged over the play area, the hint box stays in sight above it.
    picStatus().raise();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() {
    if (about_) about_->close();
    while (busyDepth_ > 0) EndBusy();
}

About* frmMain::aboutWindow() const {
    return about_.data();
}

void frmMain::buildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    applyMenuColours(*menuBar_);
    for (const MenuDesign& top : client_->design().menus) {
        QMenu* menu = menuBar_->addMenu(top.caption);
        menu->setObjectName(top.name);
        menuItems_.insert(top.name, menu->menuAction());
        for (const MenuDesign& item : top.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            menuItems_.insert(item.name, action);
        }
    }
}

QAction& frmMain::menuItem(const QString& name) const {
    QAction* action = menuItems_.value(name, nullptr);
    if (!action)
        throw DesignError(client_->design().name + QStringLiteral(": no menu item ") + name);
    return *action;
}

void frmMain::findControls() {
    const FormClient& c = *client_;
    controls_.cmdNew = &c.get<zbButtons_H>(QStringLiteral("cmdNew"));
    for (int i = 0; i < 3; ++i)
        controls_.optGameType[i] = &c.get<zbButtons_H>(QStringLiteral("optGameType"), i);
    controls_.chkHint = &c.get<zbButtons_H>(QStringLiteral("chkHint"));
    controls_.cmdShuffle = &c.get<zbButtons_H>(QStringLiteral("cmdShuffle"));
    controls_.cmdBoardColor = &c.get<zbButtons_H>(QStringLiteral("cmdBoardColor"));
    for (int i = 0; i < 4; ++i)
        controls_.cmdMoveBoard[i] = &c.get<zbButtons_H>(QStringLiteral("cmdMoveBoard"), i);
    controls_.lblElapsed = &c.get<DesignLabel>(QStringLiteral("lblElapsed"));
    controls_.picScreen = &c.get<PictureBox>(QStringLiteral("picScreen"));
    controls_.picStatus = &c.get<PictureBox>(QStringLiteral("picStatus"));
}

void frmMain::connectHandlers() {
    connect(&cmdNew(), &zbButtons_H::Click, this, &frmMain::cmdNew_Click);
    for (int index = 0; index < 3; ++index)
        connect(&optGameType(index), &zbButtons_H::Click, this,
                [this, index] { optGameType_Click(index); });
    connect(&chkHint(), &zbButtons_H::Click, this, &frmMain::chkHint_Click);
    connect(&cmdShuffle(), &zbButtons_H::Click, this, &frmMain::cmdShuffle_Click);
    connect(&cmdBoardColor(), &zbButtons_H::Click, this, &frmMain::cmdBoardColor_Click);
    for (int index = 0; index < 4; ++index)
        connect(&cmdMoveBoard(index), &zbButtons_H::Click, this,
                [this, index] { cmdMoveBoard_Click(index); });
    connect(&timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(&menuItem(QStringLiteral("mnuExit")), &QAction::triggered, this,
            &frmMain::mnuExit_Click);
    connect(&menuItem(QStringLiteral("Contents")), &QAction::triggered, this,
            &frmMain::Contents_Click);
    connect(&menuItem(QStringLiteral("Ordering")), &QAction::triggered, this,
            &frmMain::Ordering_Click);
    connect(&menuItem(QStringLiteral("License")), &QAction::triggered, this,
            &frmMain::License_Click);
    connect(&menuItem(QStringLiteral("mAbout")), &QAction::triggered, this, &frmMain::mAbout_Click);
}

void frmMain::Form_Load() {
    installWindowHook();
    applySkin();
    seedRandom();
    loadSoundClips();
    loadStencil();
    state_.GameRunning = false;
    picStatus().show();
    optGameType(EasyJigsaw).setValue(true);
    optGameType_Click(EasyJigsaw);
    describePlayArea();
}

void frmMain::describePlayArea() {
    const auto pieces = static_cast<int>(puzzle_.Pieces.size());
    picScreen().setAccessibleDescription(pieces == 0 ? QStringLiteral("No puzzle yet")
                                         : pieces == 1
                                             ? QStringLiteral("A puzzle of 1 piece")
                                             : QStringLiteral("A puzzle of %1 pieces").arg(pieces));
}

void frmMain::installWindowHook() {
    MainWindowProc::install(this);
}

void frmMain::applySkin() {
    WindowSkin_ = std::make_unique<WindowSkin>();
    WindowSkinner_ = std::make_unique<WindowSkinner>();
    const QColor outline(165, 165, 165), title(255, 255, 192);
    WindowSkin_->Configure(0, outline, outline, -85, title, title, QColor(255, 255, 255),
                           QColor(92, 107, 104), font(), font(), skin::kGlyphWidth,
                           skin::kGlyphHeight, skin::kGlyphTop, skin::kGlyphRight,
                           skin::kCaptionPictureWidth, picCaption_, picBorders_);
    WindowSkinner_->Skin(this, WindowSkin_.get());
}

void frmMain::seedRandom() {
    randomSeed_ = TimeOfDaySeed();
    random_.replace(std::make_unique<SeededRandom>(randomSeed_));
}

void frmMain::setRandomSource(std::unique_ptr<RandomSource> source) {
    random_.replace(std::move(source));
}

void frmMain::loadSoundClips() {
    soundClips_.Load();
    clipPlayer_ = new ClipPlayer(&soundClips_, this);
}

void frmMain::loadStencil() {
    if (picStencil_.isNull()) return;
    pictures_.picMasks = picStencil_;
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::ShowHelpTopic(int topic) {
    if (!helpViewer_) helpViewer_ = std::make_unique<HTMLHelp>();
    helpViewer_->CHMFile = gameHelpFile();
    helpViewer_->HHTopicID = topic;
    helpViewer_->HHWindow = QString::fromLatin1(kHelpWindow);
    helpViewer_->HHDisplayTopicID(nullptr);
}

void frmMain::Contents_Click() {
    ShowHelpTopic(kTopicHowToUse);
}
void frmMain::Ordering_Click() {
    ShowHelpTopic(kTopicOrdering);
}
void frmMain::License_Click() {
    ShowHelpTopic(kTopicLicense);
}

void frmMain::mAbout_Click() {
    if (!about_) about_ = new About();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        setWindowTitle(QString::fromLatin1(kMinimisedCaption));
    QWidget::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (about_) about_->close();
    QWidget::closeEvent(event);
}

// ---- Board buttons and the clock, handed to the play rules ----------------

void frmMain::cmdShuffle_Click() {
    rules_.ScatterPuzzle();
}

void frmMain::cmdMoveBoard_Click(int index) {
    rules_.MoveBoard(index);
}

void frmMain::cmdBoardColor_Click() {
    const std::optional<QColor> chosen =
        chooseColor_(this, pixelColor(pictures_.picBG.pixel(0, 0)));
    // Cancelled: the board keeps its colour and nothing is redrawn.
    if (!chosen) return;
    const Pixel board = toPixel(*chosen);
    picScreen().setBackColor(toColorRef(board));
    rules_.SetBoardColor(board);
}

void frmMain::Timer1_Timer() {
    rules_.ClockTick();
}

// ---- Game options ---------------------------------------------------------

void frmMain::optGameType_Click(int index) {
    if (!isGameType(index)) return;
    state_.GameTy = static_cast<std::int16_t>(index);
}

void frmMain::chkHint_Click() {
    picStatus().setVisible(chkHint().Value());
}

// ---- What the play rules ask of the window --------------------------------

void frmMain::PlayClip(Clip clip) {
    clipPlayer_->PlayClip(clipNumber(clip));
}

void frmMain::SetClockEnabled(bool enabled) {
    if (!enabled)
        timer1_.stop();
    else if (!timer1_.isActive())
        timer1_.start();
}

void frmMain::SetClockText(const std::string& text) {
    lblElapsed().setCaption(QString::fromStdString(text));
}

void frmMain::ShowWin() {
    Win::ShowModal(this, lblElapsed().Caption());
}

void frmMain::SetPlayAreaPointer(PlayAreaPointer pointer) {
    picScreen().setCursor(pointer == PlayAreaPointer::Turn ? turnPointer_ : normalPointer_);
}

void frmMain::BeginBusy() {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void frmMain::EndBusy() {
    if (busyDepth_ == 0) return;
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
}

void frmMain::PlayAreaChanged(const ChangedArea& area) {
    // Queued, so a drag step costs only the two cells it changed.
    for (const PixelRect& r : area.rects()) picScreen().update(r.x, r.y, r.w, r.h);
}

}  // namespace qx
