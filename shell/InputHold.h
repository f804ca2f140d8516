#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

namespace qx {

// Holds back the player's mouse and key input, application-wide, while the
// window is busy with a load that no longer blocks the event loop. When the
// hold ends the input goes to its widgets in the order it came, after
// whatever the busy work changed: exactly as input waited while loads ran on
// the user-interface thread.
class InputHold final : public QObject {
public:
    InputHold();
    ~InputHold() override;  // release()
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Hands the held input on (posted, so it arrives once the caller returns
    // to the event loop) and holds nothing more.
    void release();
    // Drops the held input: a modal message is about to show, and input that
    // reached a modal message's loop was never delivered to the windows.
    void discard();

    static bool isUserInput(QEvent::Type type);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stop();

    bool holding_ = true;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace qx
