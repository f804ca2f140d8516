#pragma once

namespace qx {

inline constexpr char kProgramTitle[] =
    "Quiltrix";  // title of the program's own windows and messages
inline constexpr char kMinimisedCaption[] =
    "Quiltrix 2.0";  // the main window's caption once minimised
inline constexpr char kAlreadyRunning[] = "Quiltrix is Already Running !";
inline constexpr char kHelpWindow[] = "Main";

// Help topics of the Help menu.
inline constexpr int kTopicHowToUse = 1;
inline constexpr int kTopicOrdering = 6;
inline constexpr int kTopicLicense = 7;

}  // namespace qx
