#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "engine/MainWindowState.h"
#include "platform/sound/SoundClips.h"
#include "shell/FormClient.h"
#include "shell/MainPictures.h"

class QAction;
class QMenuBar;

namespace qx {

class About;
class ClipPlayer;
class DesignLabel;
class HTMLHelp;
class PictureBox;
class WindowSkin;
class WindowSkinner;
class zbButtons_H;

// The main game window: the fixed 792 x 515 client area built from its
// design, the menu bar above it, the skin around it, and the window's state.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its load sequence; a bad design throws
    // DesignError before anything is shown.
    explicit frmMain(FormDesign design = loadCompiledDesign(QStringLiteral("frmMain")));
    ~frmMain() override;

    MainWindowState& state() { return state_; }
    WorkPictures& pictures() { return pictures_; }
    // Taken from the time of day during load; the scatter's generator starts from it.
    std::uint64_t RandomSeed() const { return randomSeed_; }

    FormClient& client() { return *client_; }
    QMenuBar& menuBar() { return *menuBar_; }
    // A menu entry by its control name ("mnuExit", "Contents", "mAbout", ...).
    QAction& menuItem(const QString& name) const;

    zbButtons_H& cmdNew();
    zbButtons_H& optGameType(int index);
    zbButtons_H& chkHint();
    zbButtons_H& cmdShuffle();
    zbButtons_H& cmdBoardColor();
    zbButtons_H& cmdMoveBoard(int index);
    DesignLabel& lblElapsed();
    PictureBox& picScreen();
    PictureBox& picStatus();
    QTimer& Timer1() { return timer1_; }

    // The skin bitmaps and the play-area pointers held by the window.
    const QImage& picCaption() const { return picCaption_; }
    const QImage& picBorders() const { return picBorders_; }
    const QImage& picNIcon() const { return picNIcon_; }
    const QImage& picRIcon() const { return picRIcon_; }
    const Bitmap& picStencil() const { return picStencil_; }

    // The About window while it is open, else nullptr.
    About* aboutWindow() const;

    // The five clips read during load, and playing one without waiting (1..5).
    const SoundClips& soundClips() const { return soundClips_; }
    ClipPlayer& clipPlayer() { return *clipPlayer_; }
    void PlayClip(int n);
    HTMLHelp* HelpViewer() const { return helpViewer_.get(); }

public slots:
    void optGameType_Click(int index);
    void chkHint_Click();
    void mnuExit_Click();
    void Contents_Click();
    void Ordering_Click();
    void License_Click();
    void mAbout_Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void connectHandlers();
    void Form_Load();
    void installWindowHook();
    void applySkin();
    void seedRandom();
    void loadSoundClips();
    void loadStencil();
    void ShowHelpTopic(int topic);

    MainWindowState state_;
    WorkPictures pictures_;
    std::uint64_t randomSeed_ = 0;
    FormClient* client_ = nullptr;
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
