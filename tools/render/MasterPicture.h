#pragma once

#include <QString>

#include "platform/raster/Bitmap.h"

namespace qx::render {

enum class MasterStatus { Loaded, TooSmall, Unreadable };

struct MasterPicture {
    MasterStatus status = MasterStatus::Unreadable;
    Bitmap master;  // the top-left 632 x 355 at most, as the game cuts it
};

// Loads the picture the way the game does.
MasterPicture LoadMasterPicture(const QString& path);

}  // namespace qx::render
