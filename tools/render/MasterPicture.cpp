#include "MasterPicture.h"

#include "platform/image/PictureLoader.h"

namespace qx::render {

// The game's own loader, so the tool cuts exactly what the game would.
MasterPicture LoadMasterPicture(const QString& path) {
    LoadedPicture loaded = LoadPicture(path);
    switch (loaded.status) {
        case PictureLoadStatus::Loaded:
            return {MasterStatus::Loaded, std::move(loaded.master)};
        case PictureLoadStatus::TooSmall:
            return {MasterStatus::TooSmall, {}};
        case PictureLoadStatus::Unreadable:
            break;
    }
    return {};
}

}  // namespace qx::render
