#pragma once

#include <vector>

class QWidget;

namespace qx {

class zbButtons_H;

// Option buttons of one container form a group kept on the container as
// dynamic properties: "zb_OptCount" and "zb_Obj1".."zb_Objn" (guarded
// pointers, in joining order).
namespace OptionGroup {

enum Action { Clear = 0, Join = 1, Leave = -1, Ask = 2 };

// Join, leave, clear the others (when `self` is selected) or ask whether a
// member is selected. Members that no longer exist are skipped.
bool toggle(QWidget* container, zbButtons_H* self, int action);

// Takes `self` out of the group and nothing else (a destroyed button leaves
// without touching the others' values).
void leave(QWidget* container, const zbButtons_H* self);

// The live members, in joining order.
std::vector<zbButtons_H*> members(const QWidget* container);

// Lets the container move the focus through its group with the arrow keys
// the buttons hand it. Installing twice does nothing.
void installArrowKeys(QWidget* container);

}  // namespace OptionGroup
}  // namespace qx
