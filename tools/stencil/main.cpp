// Writes the piece stencil the game carries as a resource:
//   quiltrix-stencil [OUT.bmp]   (default resources/stencil/stencil.bmp)
#include <cstdio>
#include <string>

#include "engine/Stencil.h"
#include "platform/raster/BmpFile.h"

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "resources/stencil/stencil.bmp";
    if (!qx::WriteBmp24File(path, qx::GenerateStencil())) {
        std::fprintf(stderr, "quiltrix-stencil: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
