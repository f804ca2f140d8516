// The board buttons and the clock, handed to the play rules.
#include "shell/frmMain.h"
#include "shell/widgets/PictureBox.h"

namespace qx {

void frmMain::cmdShuffle_Click() {
    rules_.ScatterPuzzle();
}

void frmMain::cmdMoveBoard_Click(int index) {
    rules_.MoveBoard(index);
}

void frmMain::cmdBoardColor_Click() {
    const Pixel board = pictures_.picBG.pixel(0, 0);
    const std::optional<QColor> chosen =
        chooseColor_(this, QColor(redOf(board), greenOf(board), blueOf(board)));
    // Cancelled: the board keeps its colour and nothing is redrawn.
    if (!chosen) return;
    const QColor colour = chosen->toRgb();
    picScreen().setBackColor(oleRgb(colour.red(), colour.green(), colour.blue()));
    rules_.SetBoardColor(rgb(colour.red(), colour.green(), colour.blue()));
}

void frmMain::Timer1_Timer() {
    rules_.ClockTick();
}

}  // namespace qx
