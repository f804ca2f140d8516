#pragma once

#include <QColor>

// The game's colours, shared by every picture.
namespace art {

inline const QColor kGround(136, 143, 131);  // window background
inline const QColor kPanel(222, 215, 186);   // control panel
inline const QColor kFace(231, 225, 203);    // light button face
inline const QColor kBrown(128, 64, 0);      // captions
inline const QColor kUmber(106, 98, 74);     // frames
inline const QColor kTan(192, 150, 124);     // option buttons
inline const QColor kLeather(153, 103, 72);  // dark tan
inline const QColor kOrange(236, 176, 96);   // piece background
inline const QColor kBrightOrange(244, 140, 36);
inline const QColor kDeepOrange(204, 98, 18);
inline const QColor kTeal(92, 107, 104);  // caption shadow
inline const QColor kSlate(64, 64, 64);   // panel borders
inline const QColor kCream(255, 255, 192);
inline const QColor kSage(181, 196, 176);   // hint box
inline const QColor kBoard(227, 231, 203);  // play area
inline const QColor kSky(120, 170, 200);
inline const QColor kLeaf(128, 164, 92);

}  // namespace art
