#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "WaveBytes.h"
#include "platform/sound/ClipPlayer.h"
#include "platform/sound/QtClipOutput.h"
#include "platform/sound/SoundClips.h"

namespace {

// Records what the player asks of its output.
class RecordingOutput : public qx::ClipOutput {
public:
    struct Call {
        bool play;
        std::uint32_t rate;
        std::size_t bytes;
    };
    explicit RecordingOutput(std::vector<Call>* calls) : calls_(calls) {}
    void play(const qx::WaveClip& clip) override {
        calls_->push_back({true, clip.format.sampleRate, clip.samples.size()});
    }
    void stop() override { calls_->push_back({false, 0, 0}); }

private:
    std::vector<Call>* calls_;
};

qx::SoundClips& loadedClips() {
    static qx::SoundClips clips;
    clips.Load();
    return clips;
}

qx::WaveClip parsedClip(int n) {
    const QByteArray& bytes = loadedClips().clip(n - 1);
    return qx::parseWave(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())))
        .clip;
}

}  // namespace

TEST(SoundClips, LoadReadsTheFiveCompiledInClipsOnce) {
    qx::SoundClips clips;
    EXPECT_FALSE(clips.isLoaded());
    EXPECT_TRUE(clips.clip(0).isEmpty());
    ASSERT_TRUE(clips.Load());
    const int sizes[5] = {584, 8320, 19356, 3672, 9528};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(clips.clip(i).size(), sizes[i]);
        EXPECT_TRUE(clips.clip(i).startsWith("RIFF"));
    }
    const char* first = clips.clip(2).constData();
    EXPECT_TRUE(clips.Load());
    EXPECT_EQ(clips.clip(2).constData(), first);
    EXPECT_TRUE(clips.clip(-1).isEmpty());
    EXPECT_TRUE(clips.clip(5).isEmpty());
}

TEST(ClipPlayer, EachValidRequestIsAnnouncedOnceAndPlayed) {
    std::vector<RecordingOutput::Call> calls;
    qx::ClipPlayer player(&loadedClips(), std::make_unique<RecordingOutput>(&calls));
    QSignalSpy spy(&player, &qx::ClipPlayer::clipRequested);
    player.PlayClip(3);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 3);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].play);
    EXPECT_EQ(calls[0].rate, 11025u);
    EXPECT_EQ(calls[0].bytes, 19098u);

    // A drop right before the finish: the fanfare replaces the click.
    player.PlayClip(1);
    player.PlayClip(3);
    ASSERT_EQ(spy.size(), 3);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1);
    EXPECT_EQ(spy.at(2).at(0).toInt(), 3);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].bytes, 540u);
    EXPECT_EQ(calls[2].bytes, 19098u);
}

TEST(ClipPlayer, OutOfRangeRequestsAreIgnored) {
    std::vector<RecordingOutput::Call> calls;
    qx::ClipPlayer player(&loadedClips(), std::make_unique<RecordingOutput>(&calls));
    QSignalSpy spy(&player, &qx::ClipPlayer::clipRequested);
    for (int n : {0, 6, -1, 100}) player.PlayClip(n);
    EXPECT_EQ(spy.size(), 0);
    EXPECT_TRUE(calls.empty());
}

TEST(ClipPlayer, ClipsNotLoadedOrUnreadableStopTheOldClipAndStaySilent) {
    std::vector<RecordingOutput::Call> calls;
    qx::SoundClips unloaded;
    qx::ClipPlayer player(&unloaded, std::make_unique<RecordingOutput>(&calls));
    QSignalSpy spy(&player, &qx::ClipPlayer::clipRequested);
    player.PlayClip(2);
    EXPECT_EQ(spy.size(), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].play);

    qx::ClipPlayer silent(&loadedClips(), nullptr);
    QSignalSpy silentSpy(&silent, &qx::ClipPlayer::clipRequested);
    silent.PlayClip(4);
    EXPECT_EQ(silentSpy.size(), 1);
}

TEST(QtClipOutput, WithoutADeviceNothingIsAskedOfQtMultimedia) {
    int lookups = 0;
    qx::QtClipOutput output(nullptr, [&lookups] {
        ++lookups;
        return QAudioDevice();
    });
    output.play(parsedClip(3));
    output.play(parsedClip(2));
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(output.clipsReceived(), 2);
    EXPECT_EQ(output.currentSink(), nullptr);
    EXPECT_TRUE(output.findChildren<QAudioSink*>().isEmpty());
}

// A new clip gets a new sink while the old one is stopped and deleted.
TEST(QtClipOutput, ANewClipReplacesTheSinkOfTheOldOne) {
    if (QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "no audio device";
    qx::QtClipOutput output;
    output.play(parsedClip(3));
    QPointer<QAudioSink> first = output.currentSink();
    ASSERT_FALSE(first.isNull());
    output.play(parsedClip(2));
    QPointer<QAudioSink> second = output.currentSink();
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(second.data(), first.data());
    EXPECT_EQ(first->state(), QAudio::StoppedState);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(second.isNull());
    output.stop();
    EXPECT_EQ(output.currentSink(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
}

TEST(ClipPlayer, TheQtOutputPlaysEveryClipWithoutFailing) {
    auto qtOutput = std::make_unique<qx::QtClipOutput>();
    qx::QtClipOutput* output = qtOutput.get();
    qx::ClipPlayer player(&loadedClips(), std::move(qtOutput));
    QSignalSpy spy(&player, &qx::ClipPlayer::clipRequested);
    for (int n = 1; n <= 5; ++n) player.PlayClip(n);
    player.PlayClip(3);
    EXPECT_EQ(spy.size(), 6);
    EXPECT_EQ(output->clipsReceived(), 6);
    QCoreApplication::processEvents();
}
