#pragma once

#include "quiltrix/Version.h"

namespace qx {

inline constexpr char kProgramTitle[] =
    "Quiltrix";  // title of the program's own windows and messages
inline constexpr char kProgramVersion[] = QUILTRIX_VERSION;
// The main window's caption once minimised.
inline constexpr char kMinimisedCaption[] = "Quiltrix " QUILTRIX_VERSION;
inline constexpr char kAlreadyRunning[] = "Quiltrix is Already Running !";
inline constexpr char kHelpWindow[] = "Main";

// Help topics of the Help menu.
inline constexpr int kTopicHowToUse = 1;
inline constexpr int kTopicOrdering = 6;
inline constexpr int kTopicLicense = 7;

}  // namespace qx
