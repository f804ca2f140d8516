#include <gtest/gtest.h>

#include "platform/image/DecodeBudget.h"

namespace qx {
namespace {

struct Reduction {
    QSize stored, requested, produced;
};

// The decoder scales by k/8 with k rounded up, so the result never falls
// short of the request; sizes round up as the decoder's do.
TEST(DecodeBudget, JpegReductionNeverFallsBelowTheRequest) {
    const Reduction cases[] = {
        {{4000, 3000}, {632, 355}, {1000, 750}},   // 2/8
        {{5000, 5000}, {632, 355}, {1250, 1250}},  // just under 1/8: 2/8
        {{1264, 710}, {632, 355}, {632, 355}},     // exactly 4/8
        {{1001, 1001}, {125, 125}, {126, 126}},    // 1/8 of an odd size rounds up
        {{632, 355}, {632, 355}, {632, 355}},      // no reduction
        {{300, 200}, {632, 355}, {300, 200}},      // smaller than asked: never enlarged
    };
    for (const Reduction& c : cases) {
        const QSize produced = jpegReducedSize(c.stored, c.requested);
        EXPECT_EQ(produced, c.produced) << c.stored.width() << "x" << c.stored.height();
    }
}

}  // namespace
}  // namespace qx
