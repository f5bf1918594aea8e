#include "tests/calculator/form1_fixture.h"

namespace calculator {
namespace {

const QString kQuestion =
    "Velstra will now try to open the site https://www.geonames.org/\r\r"
    "If the site fails to open, launch your Web browser and paste this address in the address "
    "field by pressing Ctrl-V (the address has been copied on Windows clipboard)";

TEST_F(Form1Test, CancelOpensNothingButTheAddressIsOnTheClipboard) {
    desk.answers = {desktop::answer::Cancel};
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, kQuestion);
    EXPECT_EQ(desk.messageBoxes[0].style, 1);
    EXPECT_EQ(desk.messageBoxes[0].title, "");
    EXPECT_EQ(desk.clipboard, std::vector<QString>{"https://www.geonames.org/"});
    EXPECT_TRUE(desk.shellOpens.empty());
}

TEST_F(Form1Test, OkOpensTheSiteAndReportsOnlyNoApplicationAndAccessDenied) {
    const std::pair<int, QString> results[] = {
        {42, ""}, {33, ""}, {31, "Error opening internet site."}, {5, "Access denied"}, {0, ""}, {2, ""},
    };
    for (auto [result, report] : results) {
        SCOPED_TRACE(result);
        desk.messageBoxes.clear();
        desk.shellOpens.clear();
        desk.shellOpenResult = result;
        desk.answers = {desktop::answer::Ok};
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        ASSERT_EQ(desk.shellOpens.size(), 1u);
        EXPECT_EQ(desk.shellOpens[0].target, "https://www.geonames.org/");
        EXPECT_EQ(desk.shellOpens[0].parameters, "");
        ASSERT_EQ(desk.messageBoxes.size(), report.isEmpty() ? 1u : 2u);
        if (!report.isEmpty()) {
            EXPECT_EQ(desk.messageBoxes[1].text, report);
            EXPECT_EQ(desk.messageBoxes[1].style, 0);
        }
        EXPECT_EQ(form->MousePointer(), 0);
    }
}

}  // namespace
}  // namespace calculator
