// Cuts, scatters and plays a puzzle without any window and writes the board
// and the piece table, so the engine can be checked on real pictures:
//   quiltrix-render --picture FILE --type 0|1|2 --seed N [--moves FILE]
//                   --png OUT.png --json OUT.json
#include <QCoreApplication>
#include <QImage>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "Moves.h"
#include "engine/PlayRules.h"
#include "engine/SilentShell.h"
#include "engine/Stencil.h"
#include "platform/image/PictureLoader.h"

namespace {

constexpr const char* kUsage =
    "usage: quiltrix-render --picture FILE --type 0|1|2 --seed N [--moves FILE] --png OUT.png "
    "--json OUT.json\n";

// Sounds, pointers and windows do not exist here.
int fail(int code, const std::string& message) {
    std::fprintf(stderr, "quiltrix-render: %s\n", message.c_str());
    return code;
}

bool parseWhole(const std::string& text, unsigned long long& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 19)
        return false;
    value = std::stoull(text);
    return true;
}

bool writePng(const qx::Bitmap& board, const std::string& path) {
    const QImage view(reinterpret_cast<const uchar*>(board.data()), board.width(), board.height(),
                      board.width() * static_cast<int>(sizeof(qx::Pixel)), QImage::Format_RGB32);
    return view.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "PNG");
}

bool writeJson(const std::vector<qx::Piece>& pieces, const std::string& path) {
    std::ofstream out(path, std::ios::trunc);
    out << "[";
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const qx::Piece& p = pieces[i];
        out << (i ? ",\n " : "\n ") << "{\"X\":" << p.X << ",\"Y\":" << p.Y
            << ",\"Turns\":" << p.Turns << ",\"Shape\":" << p.Shape << ",\"Row\":" << p.Row
            << ",\"Col\":" << p.Col << ",\"PatIndex\":" << p.PatIndex << "}";
    }
    out << "\n]\n";
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // image plugins

    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0 || i + 1 >= argc)
            return fail(2, std::string("bad arguments\n") + kUsage);
        options[name.substr(2)] = argv[i + 1];
    }
    for (const char* required : {"picture", "type", "seed", "png", "json"})
        if (!options.count(required))
            return fail(2, std::string("missing --") + required + "\n" + kUsage);
    for (const auto& [name, value] : options)
        if (name != "picture" && name != "type" && name != "seed" && name != "moves" &&
            name != "png" && name != "json")
            return fail(2, "unknown option --" + name + "\n" + kUsage);

    unsigned long long type = 0, seed = 0;
    if (!parseWhole(options["type"], type) || type > 2) return fail(2, "--type must be 0, 1 or 2");
    if (!parseWhole(options["seed"], seed)) return fail(2, "--seed must be a whole number");

    // The game's own loader, so the tool cuts exactly what the game would.
    qx::LoadedPicture loaded = qx::LoadPicture(QString::fromStdString(options["picture"]));
    if (loaded.status == qx::PictureLoadStatus::TooSmall)
        return fail(1, "Sorry ! The Image too small!");
    if (loaded.status != qx::PictureLoadStatus::Loaded)
        return fail(1, "cannot read " + options["picture"]);

    qx::PuzzleModule puzzle;
    qx::MainWindowState state;
    qx::WorkPictures pictures;
    pictures.picMasks = qx::GenerateStencil();
    pictures.picMaster = std::move(loaded.master);
    qx::SilentShell shell;
    qx::SeededRandom random(seed);
    qx::PlayRules rules(puzzle, state, pictures, shell, random);
    rules.StartGame(static_cast<std::int16_t>(type));

    if (options.count("moves")) {
        std::ifstream moves(options["moves"]);
        if (!moves) return fail(1, "cannot read " + options["moves"]);
        const std::string problem = qx::render::PlayMoves(moves, rules);
        if (!problem.empty()) return fail(2, options["moves"] + " " + problem);
    }
    puzzle.RedrawBoard(pictures);

    if (!writePng(pictures.picScreen, options["png"]))
        return fail(1, "cannot write " + options["png"]);
    if (!writeJson(puzzle.Pieces, options["json"]))
        return fail(1, "cannot write " + options["json"]);
    return 0;
}
