#pragma once

#include <QImage>
#include <QSize>

namespace qx {

// Every buffer the picture loader makes passes through here, so that a failed
// allocation turns into an unreadable picture instead of a null scan line
// further on. Qt reports a failed image allocation as a null image; the
// loader's own vectors throw std::bad_alloc, which the loader catches.

// A new image, null when it cannot be allocated.
QImage allocateImage(QSize size, QImage::Format format);

// `image` as produced by a Qt call that allocates (copy, convert, mirror,
// transform): null when that allocation failed, or when the test hook says
// this one fails.
QImage checkedImage(QImage image);

// Throws std::bad_alloc when the test hook says the next allocation fails;
// called before the loader's own vectors and bitmaps are made.
void checkAllocation();

// Test hook: the allocation numbered `index` (0 = the next one) fails, every
// other succeeds; a negative index turns the hook off. Counts every checked
// allocation from the call on, in any thread.
void failAllocationAt(int index);
// Checked allocations since failAllocationAt.
int checkedAllocations();

}  // namespace qx
