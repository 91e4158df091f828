#include "machmult/ui/MultPrintStandardDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLayout>

#include <vector>

namespace {

using Box = CMultPrintStandardDialog::Box;

// Cover page, information, attached parts, cancelled.
std::vector<int> Options(const MultPrintOptions& o)
{
    return {o.coverPage, o.multInformation, o.attachedParts, o.cancelled};
}

// Information, attached parts, cover page: the boxes as checked.
std::vector<bool> Checked(const CMultPrintStandardDialog& dialog)
{
    return {dialog.GetBox(Box::multInformation)->isChecked(), dialog.GetBox(Box::attachedParts)->isChecked(),
            dialog.GetBox(Box::coverPage)->isChecked()};
}

struct OpenDialog {
    explicit OpenDialog(int attachedPartsPrintable)
    {
        options.coverPage = options.multInformation = options.attachedParts = options.cancelled = 9;
        options.attachedPartsPrintable = attachedPartsPrintable;
        dialog.open();
    }
    MultPrintOptions options;
    CMultPrintStandardDialog dialog{options};
};

} // namespace

TEST(MultPrintStandardDialog, BoxesInOrderWithTheirIds)
{
    MultPrintOptions options;
    CMultPrintStandardDialog dialog(options);
    EXPECT_EQ(dialog.windowTitle(), "Mult(s) Printout");
    const struct {
        Box box;
        const char* text;
        const char* id;
    } boxes[] = {
        {Box::multInformation, "&B) Print The Specific Info for each Mult Specified", "1191"},
        {Box::attachedParts, "&C) Print The Parts Attached to the Mults", "1192"},
        {Box::coverPage, "&A) Print A Directory of Mults Specified (Cover Page)", "1190"},
    };
    for (int i = 0; i < 3; ++i) {
        QCheckBox* box = dialog.GetBox(boxes[i].box);
        EXPECT_EQ(dialog.layout()->itemAt(i)->widget(), box);
        EXPECT_EQ(box->text(), boxes[i].text);
        EXPECT_EQ(box->objectName(), boxes[i].id);
    }
}

TEST(MultPrintStandardDialog, AttachedPartsPrintableAndOkOrCancelAtOnce)
{
    const struct {
        int printable;
        bool ok;
        std::vector<int> expected;   // cover page, information, attached parts, cancelled
    } cases[] = {
        {0, true, {1, 1, 0, 0}},
        {1, true, {1, 1, 1, 0}},
        {0, false, {0, 0, 0, 1}},
        {1, false, {0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        OpenDialog open(c.printable);
        EXPECT_EQ(Options(open.options), (std::vector<int>{0, 0, 0, 0})) << c.printable;
        EXPECT_EQ(Checked(open.dialog), (std::vector<bool>{true, c.printable == 1, true}));
        QCheckBox* parts = open.dialog.GetBox(Box::attachedParts);
        EXPECT_EQ(parts->isVisible(), c.printable == 1);
        EXPECT_EQ(parts->isEnabled(), c.printable == 1);
        if (c.ok)
            open.dialog.accept();
        else
            open.dialog.reject();
        EXPECT_EQ(Options(open.options), c.expected) << c.printable << c.ok;
        EXPECT_EQ(open.dialog.result(), c.ok ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST(MultPrintStandardDialog, AttachedPartsOnlyWithInformation)
{
    OpenDialog open(1);
    const auto click = [&](Box box) {
        open.dialog.GetBox(box)->click();
        return Options(open.options);
    };
    // cover page, information, attached parts, cancelled: the options as each click sets them
    EXPECT_EQ(click(Box::multInformation), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Checked(open.dialog), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(click(Box::attachedParts), (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(Checked(open.dialog), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(click(Box::attachedParts), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(Checked(open.dialog), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(click(Box::coverPage), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(click(Box::coverPage), (std::vector<int>{1, 1, 0, 0}));
    open.dialog.accept();
    EXPECT_EQ(Options(open.options), (std::vector<int>{1, 1, 0, 0}));
}

TEST(MultPrintStandardDialog, CancelAfterClicksClearsEveryOption)
{
    OpenDialog open(1);
    open.dialog.GetBox(Box::multInformation)->click();
    open.dialog.GetBox(Box::attachedParts)->click();
    open.dialog.GetBox(Box::coverPage)->click();
    open.dialog.GetBox(Box::coverPage)->click();
    EXPECT_EQ(Options(open.options), (std::vector<int>{1, 1, 1, 0}));
    open.dialog.reject();
    EXPECT_EQ(Options(open.options), (std::vector<int>{0, 0, 0, 1}));
}
