// The small pieces both programs' windows share: twips to pixels and the program icon.
#include "window_common/program_icon.h"
#include "window_common/twips.h"

#include "tests/support/pictures.h"

#include <gtest/gtest.h>

namespace window_common {
namespace {

// Controls stand on whole pixels, the nearest ones; drawings keep the fractions.
TEST(TwipsToPixels, ControlsRoundDrawingsKeepFractions) {
    const struct {
        double twips;
        int control;
        double drawing;
    } cases[] = {{0, 0, 0}, {7, 0, 7 / 15.0}, {8, 1, 8 / 15.0}, {22, 1, 22 / 15.0}, {300, 20, 20}, {2310, 154, 154}};
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips), c.control) << c.twips;
        const QPointF point = TwipsToDrawingPoint(c.twips, 2 * c.twips);
        EXPECT_DOUBLE_EQ(point.x(), c.drawing) << c.twips;
        EXPECT_DOUBLE_EQ(point.y(), 2 * c.drawing) << c.twips;
    }
    EXPECT_EQ(Twips(105, 22, 1200, 7), QRect(7, 1, 80, 0));
}

// Each size of the icon shows the picture made for it.
TEST(ProgramIcon, EverySizeShowsItsOwnPicture) {
    const QIcon icon = ProgramIcon(QStringLiteral(SUITE_SOURCE_DIR "/announcer/resources/azaan_%1.png"));
    for (int size : {16, 32, 64}) {
        const QImage picture =
            testing_support::SourcePicture(QStringLiteral("announcer/resources/azaan_%1.png").arg(size));
        EXPECT_TRUE(testing_support::IconShows(icon, picture)) << size;
    }
}

}  // namespace
}  // namespace window_common
