#pragma once

#include <QCursor>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "engine/MainWindowState.h"
#include "engine/PlayRules.h"
#include "engine/PuzzleModule.h"
#include "engine/ShellHooks.h"
#include "engine/WorkPictures.h"
#include "platform/sound/SoundClips.h"
#include "shell/CommonDialog.h"
#include "shell/FormClient.h"
#include "shell/LoadAside.h"
#include "shell/ReplaceableRandom.h"

class QAction;
class QMenuBar;
class QProgressBar;

namespace qx {

class About;
class ClipPlayer;
class DesignLabel;
class HintBoxDrag;
class HTMLHelp;
class PictureBox;
class WindowSkin;
class WindowSkinner;
class zbButtons_H;

// The main game window: the fixed 792 x 515 client area built from its
// design, the menu bar above it, the skin around it, and the window's state.
// It routes the play area's and the buttons' events to the play rules and
// carries out what the rules ask of the window (ShellHooks).
class frmMain : public QWidget, public ShellHooks {
    Q_OBJECT

public:
    // Builds the window and runs its load sequence; a bad design throws
    // DesignError before anything is shown.
    explicit frmMain(FormDesign design = loadCompiledDesign(QStringLiteral("frmMain")));
    ~frmMain() override;

    MainWindowState& state() { return state_; }
    WorkPictures& pictures() { return pictures_; }
    // Read through this one: writing access marks the bitmaps changed, and a
    // changed play area costs the next drag step a full repaint.
    const WorkPictures& pictures() const { return pictures_; }
    const PuzzleModule& puzzle() const { return puzzle_; }
    // Taken from the time of day during load; the scatter's generator starts from it.
    std::uint64_t RandomSeed() const { return randomSeed_; }
    // Scatters draw from `source` from now on (tests: a fixed seed).
    void setRandomSource(std::unique_ptr<RandomSource> source);

    // The common dialog's two uses; by default Qt's own dialogs.
    void setPictureChooser(PictureChooser chooser) { choosePicture_ = std::move(chooser); }
    void setColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }
    // How a chosen picture is loaded (on a worker thread); by default LoadPicture.
    void setPictureLoader(PictureLoadFunction loader) { loadPicture_ = std::move(loader); }
    // The bar shown over the play area while a slow picture loads; null until the first.
    QProgressBar* loadProgressBar() const { return loadProgress_; }

    FormClient& client() { return *client_; }
    QMenuBar& menuBar() { return *menuBar_; }
    // A menu entry by its control name ("mnuExit", "Contents", "mAbout", ...).
    QAction& menuItem(const QString& name) const;

    // The controls, found once when the window is built.
    zbButtons_H& cmdNew() const { return *controls_.cmdNew; }
    zbButtons_H& optGameType(int index) const { return *controls_.optGameType.at(index); }
    zbButtons_H& chkHint() const { return *controls_.chkHint; }
    zbButtons_H& cmdShuffle() const { return *controls_.cmdShuffle; }
    zbButtons_H& cmdBoardColor() const { return *controls_.cmdBoardColor; }
    zbButtons_H& cmdMoveBoard(int index) const { return *controls_.cmdMoveBoard.at(index); }
    DesignLabel& lblElapsed() const { return *controls_.lblElapsed; }
    PictureBox& picScreen() const { return *controls_.picScreen; }
    PictureBox& picStatus() const { return *controls_.picStatus; }
    QTimer& Timer1() { return timer1_; }
    const HintBoxDrag& hintBoxDrag() const { return *hintBoxDrag_; }

    // The skin bitmaps and the play-area pointers held by the window.
    const QImage& picCaption() const { return picCaption_; }
    const QImage& picBorders() const { return picBorders_; }
    const QImage& picNIcon() const { return picNIcon_; }
    const QImage& picRIcon() const { return picRIcon_; }
    // The play area's pointers made from picNIcon and picRIcon.
    const QCursor& normalPointer() const { return normalPointer_; }
    const QCursor& turnPointer() const { return turnPointer_; }
    const Bitmap& picStencil() const { return picStencil_; }

    // The About window while it is open, else nullptr.
    About* aboutWindow() const;

    // The five clips read during load, and playing one without waiting (1..5).
    const SoundClips& soundClips() const { return soundClips_; }
    ClipPlayer& clipPlayer() { return *clipPlayer_; }
    HTMLHelp* HelpViewer() const { return helpViewer_.get(); }

    // What the play rules ask of the window.
    void PlayClip(Clip clip) override;
    void SetClockEnabled(bool enabled) override;
    void SetClockText(const std::string& text) override;
    void ShowWin() override;
    void SetPlayAreaPointer(PlayAreaPointer pointer) override;
    void BeginBusy() override;
    void EndBusy() override;
    void PlayAreaChanged(const ChangedArea& area) override;

    // A new game from a picture the player chooses; game type 0..2.
    void LoadNewPuzzle(std::int16_t GameTy);

public slots:
    void cmdNew_Click();
    void optGameType_Click(int index);
    void chkHint_Click();
    void cmdShuffle_Click();
    void cmdMoveBoard_Click(int index);
    void cmdBoardColor_Click();
    void Timer1_Timer();
    void mnuExit_Click();
    void Contents_Click();
    void Ordering_Click();
    void License_Click();
    void mAbout_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Controls {
        zbButtons_H* cmdNew = nullptr;
        std::array<zbButtons_H*, 3> optGameType{};
        zbButtons_H* chkHint = nullptr;
        zbButtons_H* cmdShuffle = nullptr;
        zbButtons_H* cmdBoardColor = nullptr;
        std::array<zbButtons_H*, 4> cmdMoveBoard{};
        DesignLabel* lblElapsed = nullptr;
        PictureBox* picScreen = nullptr;
        PictureBox* picStatus = nullptr;
    };

    void findControls();
    void buildMenus();
    void connectHandlers();
    void Form_Load();
    void installWindowHook();
    void applySkin();
    void seedRandom();
    void loadSoundClips();
    void loadStencil();
    void ShowHelpTopic(int topic);
    // Tells assistive technology how many pieces the puzzle in play has.
    void describePlayArea();
    void showLoadProgress(int percent);
    void hideLoadProgress();
    void makePlayAreaPointers();
    void connectPlayArea();
    void picScreen_MouseDown(Qt::MouseButton button, QPoint at);
    void picScreen_MouseMove(QPoint at);
    void picScreen_MouseUp(Qt::MouseButton button, QPoint at);
    void picScreen_KeyDown(int key);

    MainWindowState state_;
    WorkPictures pictures_;
    PuzzleModule puzzle_;
    std::uint64_t randomSeed_ = 0;
    ReplaceableRandom random_{std::make_unique<SeededRandom>(0)};
    PlayRules rules_{puzzle_, state_, pictures_, *this, random_};
    PictureChooser choosePicture_ = &ChoosePictureInDialog;
    ColorChooser chooseColor_ = &ChooseColorInDialog;
    PictureLoadFunction loadPicture_ = [](const QString& path, const PictureLoadOptions& options) {
        return LoadPicture(path, options);
    };
    QProgressBar* loadProgress_ = nullptr;
    HintBoxDrag* hintBoxDrag_ = nullptr;
    QCursor normalPointer_, turnPointer_;
    int busyDepth_ = 0;
    FormClient* client_ = nullptr;
    Controls controls_;
    QMenuBar* menuBar_ = nullptr;
    QHash<QString, QAction*> menuItems_;
    QTimer timer1_;
    QImage picCaption_, picBorders_, picNIcon_, picRIcon_;
    Bitmap picStencil_;
    QPointer<About> about_;
    std::unique_ptr<HTMLHelp> helpViewer_;
    SoundClips soundClips_;
    ClipPlayer* clipPlayer_ = nullptr;
    std::unique_ptr<WindowSkin> WindowSkin_;
    std::unique_ptr<WindowSkinner> WindowSkinner_;
};

}  // namespace qx
