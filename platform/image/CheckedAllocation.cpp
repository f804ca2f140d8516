#include "platform/image/CheckedAllocation.h"

#include <atomic>
#include <new>

namespace qx {
namespace {

std::atomic<int> failingIndex{-1};
std::atomic<int> seen{0};

// True when the hook makes this allocation fail.
bool refusedByHook() {
    const int index = seen.fetch_add(1, std::memory_order_relaxed);
    return index == failingIndex.load(std::memory_order_relaxed);
}

}  // namespace

QImage allocateImage(QSize size, QImage::Format format) {
    if (refusedByHook()) return {};
    return QImage(size, format);
}

QImage checkedImage(QImage image) {
    if (refusedByHook()) return {};
    return image;
}

void checkAllocation() {
    if (refusedByHook()) throw std::bad_alloc();
}

void failAllocationAt(int index) {
    seen.store(0);
    failingIndex.store(index);
}

int checkedAllocations() {
    return seen.load();
}

}  // namespace qx
