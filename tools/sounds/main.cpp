// quiltrix-sounds <out-dir>: synthesises SOUND1.wav .. SOUND5.wav.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "tools/sounds/RiffWriter.h"
#include "tools/sounds/Synth.h"

namespace {

struct ClipPlan {
    const char* file;
    std::function<std::vector<double>(std::size_t, double)> synth;
    sounds::PcmLayout layout;
    std::size_t dataBytes;
    std::size_t fileBytes;
    const char* extra;  // "smpl", "SyLp", "SyLp+DISP" or ""
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quiltrix-sounds <out-dir>\n");
        return 2;
    }
    const std::filesystem::path out(argv[1]);
    std::filesystem::create_directories(out);
    // The clips' formats, sizes and extra chunks are fixed; SOUND2 and SOUND3
    // carry the 18-byte format chunk (with a zero cbSize) that makes their
    // sizes come out right.
    const ClipPlan plans[] = {
        {"SOUND1.wav", sounds::woodenClick, {11025, 8, 16}, 540, 584, ""},
        {"SOUND2.wav", sounds::turnSwish, {44100, 16, 18}, 8206, 8320, "smpl"},
        {"SOUND3.wav", sounds::fanfare, {11025, 8, 18}, 19098, 19356, "SyLp+DISP"},
        {"SOUND4.wav", sounds::shuffleRustle, {11025, 8, 16}, 3436, 3672, "SyLp"},
        {"SOUND5.wav", sounds::slideThump, {44100, 16, 16}, 9416, 9528, "smpl"},
    };
    int failures = 0;
    for (const ClipPlan& plan : plans) {
        const std::size_t frames = plan.dataBytes / (plan.layout.bitsPerSample / 8);
        const auto samples = plan.synth(frames, plan.layout.sampleRate);
        const sounds::Bytes pcm = sounds::encodePcm(samples, plan.layout);
        const auto count = static_cast<std::uint32_t>(frames);
        std::vector<sounds::Chunk> extra;
        const std::string kinds = plan.extra;
        if (kinds == "smpl")
            extra.push_back({"smpl", sounds::samplerChunk(plan.layout.sampleRate, count)});
        if (kinds.starts_with("SyLp")) extra.push_back({"SyLp", sounds::sonicLoopChunk(count)});
        if (kinds.ends_with("DISP")) extra.push_back({"DISP", sounds::displayTextChunk("Fanfare")});
        const sounds::Bytes file = sounds::buildWave(pcm, plan.layout, extra);
        if (pcm.size() != plan.dataBytes || file.size() != plan.fileBytes) {
            std::fprintf(stderr, "%s: %zu data bytes, %zu in all (want %zu, %zu)\n", plan.file,
                         pcm.size(), file.size(), plan.dataBytes, plan.fileBytes);
            ++failures;
            continue;
        }
        std::ofstream stream(out / plan.file, std::ios::binary);
        stream.write(reinterpret_cast<const char*>(file.data()),
                     static_cast<std::streamsize>(file.size()));
        if (!stream) {
            std::fprintf(stderr, "cannot write %s\n", plan.file);
            ++failures;
            continue;
        }
        std::printf("%s  %zu bytes, %zu frames\n", plan.file, file.size(), frames);
    }
    return failures == 0 ? 0 : 1;
}
