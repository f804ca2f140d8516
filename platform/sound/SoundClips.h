#pragma once

#include <QByteArray>
#include <array>

namespace qx {

// The five sound clips, each a whole RIFF WAVE file held in memory from the
// main window's load to the end of the program.
class SoundClips {
public:
    static constexpr int kCount = 5;

    // Reads ":/sounds/SOUND1.wav" .. "SOUND5.wav" into clips 0..4, once;
    // later calls change nothing. True when all five were read.
    bool Load();
    bool isLoaded() const { return loaded_; }

    // Clip 0..4 (SOUND1..SOUND5); an empty array for any other index.
    const QByteArray& clip(int index) const;

private:
    std::array<QByteArray, kCount> clips_;
    bool loaded_ = false;
};

}  // namespace qx
