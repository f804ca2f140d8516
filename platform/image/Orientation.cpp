#include "platform/image/Orientation.h"

#include <QTransform>

#include "platform/image/CheckedAllocation.h"

namespace qx {

bool turnsQuarter(Orientation orientation) {
    return orientation.testFlag(QImageIOHandler::TransformationRotate90);
}

QSize uprightSize(QSize stored, Orientation orientation) {
    return turnsQuarter(orientation) ? stored.transposed() : stored;
}

QRect storedRectOf(QRect upright, QSize stored, Orientation orientation) {
    const int width = stored.width();
    const int height = stored.height();
    int left = upright.left();
    int right = upright.right();
    int top = upright.top();
    int bottom = upright.bottom();
    if (turnsQuarter(orientation)) {
        // A clockwise quarter turn puts mirrored pixel (x, y) at (height - 1 - y, x).
        const int newLeft = top;
        const int newRight = bottom;
        const int newTop = height - 1 - right;
        const int newBottom = height - 1 - left;
        left = newLeft;
        right = newRight;
        top = newTop;
        bottom = newBottom;
    }
    if (orientation.testFlag(QImageIOHandler::TransformationMirror)) {
        const int mirroredLeft = width - 1 - right;
        right = width - 1 - left;
        left = mirroredLeft;
    }
    if (orientation.testFlag(QImageIOHandler::TransformationFlip)) {
        const int flippedTop = height - 1 - bottom;
        bottom = height - 1 - top;
        top = flippedTop;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage turnUpright(const QImage& stored, Orientation orientation) {
    const bool mirror = orientation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = orientation.testFlag(QImageIOHandler::TransformationFlip);
    QImage result = (mirror || flip) ? checkedImage(stored.mirrored(mirror, flip)) : stored;
    if (turnsQuarter(orientation) && !result.isNull())
        result = checkedImage(result.transformed(QTransform().rotate(90)));
    return result;
}

}  // namespace qx
