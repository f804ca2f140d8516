#pragma once

#include "controls/zbbutton/ButtonState.h"

namespace qx {

// The states a face is drawn in.
enum class Look { Idle, Hover, Default, Pressed, Checked, Disabled };

// Puts the button in `look`, on top of what earlier looks set (Default, then
// Pressed: a pressed default button).
inline void addLook(ButtonState& s, Look look) {
    switch (look) {
        case Look::Idle:
            break;
        case Look::Hover:
            s.StateFlags |= kHot;
            s.IsHovering = true;
            break;
        case Look::Default:
            s.StateFlags |= kDefaultShown;
            break;
        case Look::Pressed:
            s.StateFlags |= kPressed | kHot;
            s.IsHovering = true;
            break;
        case Look::Checked:
            s.props.Mode = 1;
            s.props.Value = true;
            break;
        case Look::Disabled:
            s.props.Enabled = false;
            break;
    }
}

}  // namespace qx
