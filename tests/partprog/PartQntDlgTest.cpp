#include "partprog/ui/PartQntDlg.h"

#include "fw/core/MessageService.h"

#include <gtest/gtest.h>

#include <QLineEdit>

TEST(PartQntDlg, OpensAtItsPosition)
{
    CPartQntDlg placed(nullptr, 100, 0);
    placed.open();
    EXPECT_EQ(placed.pos(), QPoint(100, 0));
    EXPECT_EQ(placed.GetEdit().text(), "1");
    placed.reject();
}

TEST(PartQntDlg, QuantityFrom0To9999)
{
    const struct {
        const char* text;
        bool accepted;
        std::uint32_t quantity;
    } cases[] = {{"0", true, 0}, {" 9999 ", true, 9999}, {"25", true, 25}, {"10000", false, 1},
                 {"-1", false, 1}, {"", false, 1}, {"2x", false, 1}};
    for (const auto& c : cases) {
        fw::ScriptedMessages messages;
        CPartQntDlg dialog(nullptr, 0, 0);
        dialog.open();
        dialog.GetEdit().setText(c.text);
        if (!c.accepted)
            messages->Answer(fw::IDOK);
        dialog.accept();
        EXPECT_EQ(dialog.result(), c.accepted ? QDialog::Accepted : QDialog::Rejected) << c.text;
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.text;
        EXPECT_EQ(dialog.GetQuantity(), c.quantity) << c.text;
        EXPECT_EQ(messages->Shown().size(), c.accepted ? 0u : 1u) << c.text;
        dialog.reject();
    }
}
