// Starting a new game from a picture the player chooses.
#include <QProgressBar>
#include <QString>

#include "engine/BusyPointer.h"
#include "platform/image/PictureLoader.h"
#include "platform/qt/ProgramMessage.h"
#include "shell/InputHold.h"
#include "shell/NewGame.h"
#include "shell/ProgramInfo.h"
#include "shell/frmMain.h"
#include "shell/widgets/PictureBox.h"

namespace qx {
namespace {

inline constexpr char kImageTooSmall[] = "Sorry ! The Image too small!";
// The play area leaves this much of the client area for the panel and margins.
inline constexpr int kClientMargin = 160;
inline constexpr QSize kProgressBarSize{240, 16};

}  // namespace

void frmMain::cmdNew_Click() {
    LoadNewPuzzle(state_.GameTy);
}

void frmMain::LoadNewPuzzle(std::int16_t GameTy) {
    SetClockEnabled(false);
    try {
        const std::optional<QString> chosen =
            choosePicture_(this, QString::fromStdString(state_.CurrentPicturePath));
        // A cancelled dialog leaves everything as it was.
        if (chosen) {
            state_.CurrentPicturePath = chosen->toStdString();
            // Input made during the load acts once the new game is in.
            InputHold hold;
            BusyPointer busy(*this);
            const QSize client = client_->size();
            LoadedPicture loaded = LoadPictureAside(
                loadPicture_, *chosen,
                {.cropLimit = {client.width() - kClientMargin, client.height() - kClientMargin}},
                [this](int percent) { showLoadProgress(percent); });
            hideLoadProgress();
            if (loaded.status == PictureLoadStatus::TooSmall) {
                busy.done();
                hold.discard();
                showMessage({this, QString::fromLatin1(kProgramTitle),
                             QString::fromLatin1(kImageTooSmall), MessageIcon::Critical});
            } else if (loaded.status == PictureLoadStatus::Loaded) {
                // Built aside: a failure on the way leaves the running game whole.
                auto prepared = PrepareGame(std::move(loaded.master), GameTy, pictures_, random_);
                SwapInGame(*prepared, puzzle_, pictures_, state_);
                describePlayArea();
                picStatus().setPicture(loaded.hint);
                PlayAreaChanged(
                    ChangedArea::whole(pictures_.picScreen.width(), pictures_.picScreen.height()));
            }
            // An unreadable file is passed over in silence.
        }
    } catch (const std::exception&) {
        // Recovery: the running game goes on, nothing is said.
    }
    SetClockEnabled(state_.GameRunning);
}

void frmMain::showLoadProgress(int percent) {
    if (!loadProgress_) {
        loadProgress_ = new QProgressBar(client_);
        loadProgress_->setRange(0, 100);
        loadProgress_->setTextVisible(false);
        loadProgress_->resize(kProgressBarSize);
    }
    QRect bar(QPoint(), kProgressBarSize);
    bar.moveCenter(picScreen().geometry().center());
    loadProgress_->setGeometry(bar);
    loadProgress_->setValue(percent);
    loadProgress_->show();
    loadProgress_->raise();
}

void frmMain::hideLoadProgress() {
    if (loadProgress_) loadProgress_->hide();
}

}  // namespace qx
