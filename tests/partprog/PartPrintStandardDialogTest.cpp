#include "partprog/ui/PartPrintStandardDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>

namespace {

using Box = CPartPrintStandardDialog::Box;

std::vector<int> Options(const PartPrintOptions& o)
{
    return {o.coverPage, o.partInformation, o.refPlanesAndPatterns, o.holes, o.operationDetailsImperial,
            o.operationDetailsMetric, o.cancelled};
}

} // namespace

TEST(PartPrintStandardDialog, DetailsAvailableAndOkOrCancel)
{
    const struct {
        int detailsAvailable;
        bool ok;
        std::vector<int> expected;   // A B C D E F, cancelled
    } cases[] = {
        {0, true, {1, 1, 0, 0, 0, 0, 0}},
        {1, true, {1, 1, 1, 1, 1, 1, 0}},
        {0, false, {0, 0, 0, 0, 7, 8, 1}},   // E and F stay as they were
        {1, false, {0, 0, 0, 0, 7, 8, 1}},
    };
    for (const auto& c : cases) {
        PartPrintOptions options;
        options.detailsAvailable = c.detailsAvailable;
        options.operationDetailsImperial = 7;
        options.operationDetailsMetric = 8;
        CPartPrintStandardDialog dialog(options);
        dialog.open();
        for (Box box : {Box::refPlanes, Box::holes}) {
            EXPECT_EQ(dialog.GetBox(box)->isEnabled(), c.detailsAvailable == 1);
            EXPECT_EQ(dialog.GetBox(box)->isVisible(), c.detailsAvailable == 1);
        }
        EXPECT_EQ(options.coverPage, 1);
        if (c.ok)
            dialog.accept();
        else
            dialog.reject();
        EXPECT_EQ(Options(options), c.expected) << c.detailsAvailable << c.ok;
    }
}

TEST(PartPrintStandardDialog, ClickingABoxSetsItsOptionAtOnce)
{
    PartPrintOptions options;
    options.detailsAvailable = 1;
    options.operationDetailsMetric = 5;
    CPartPrintStandardDialog dialog(options);
    dialog.open();
    dialog.GetBox(Box::holes)->click();
    EXPECT_EQ(options.holes, 0);
    dialog.GetBox(Box::detailsMetric)->click();
    EXPECT_EQ(options.operationDetailsMetric, 5);   // read on OK
    dialog.accept();
    EXPECT_EQ(Options(options), (std::vector<int>{1, 1, 1, 0, 1, 0, 0}));
}
