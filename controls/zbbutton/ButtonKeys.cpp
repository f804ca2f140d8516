#include "controls/zbbutton/ButtonKeys.h"

#include <array>
#include <utility>

namespace qx {
namespace {

constexpr std::array<std::pair<int, int>, 27> kNamedKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},        {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},       {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},     {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},  {Qt::Key_Slash, 111},    {Qt::Key_NumLock, 144},
}};

}  // namespace

std::int16_t virtualKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : kNamedKeys)
        if (key == qtKey) return static_cast<std::int16_t>(code);
    return 0;
}

int qtKeyFromVirtual(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return code;
    if (code >= 112 && code <= 135) return Qt::Key_F1 + (code - 112);
    for (const auto& [key, vk] : kNamedKeys)
        if (vk == code) return key;
    return 0;
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

std::int16_t mouseButtonCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons & Qt::LeftButton ? 1 : 0) |
                                     (buttons & Qt::RightButton ? 2 : 0) |
                                     (buttons & Qt::MiddleButton ? 4 : 0));
}

}  // namespace qx
