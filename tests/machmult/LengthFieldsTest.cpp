#include "machmult/ui/AMultStockInfoDlg.h"
#include "model/ui/DimDlg.h"
#include "model/ui/FormBinder.h"

#include "UiTestSupport.h"
#include "fw/core/AppProfile.h"
#include "tests/fw/TempDrives.h"

#include <QFormLayout>
#include <QTest>

#include <cmath>
#include <optional>

using lenbox::CLenboxCtrl;
using namespace uitest;

namespace {

class LengthFieldsTest : public testing::Test {
protected:
    LengthFieldsTest() : previousProfile_(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>())) { test::QtApp(); }
    ~LengthFieldsTest() override { fw::SetAppProfile(std::move(previousProfile_)); }

private:
    std::unique_ptr<fw::Profile> previousProfile_;

protected:
    TempDrives drives_;
    test::LenboxFactory lenboxes_;
};

// A form with one length field bound to a double, as the windows make theirs.
struct BoundForm {
    explicit BoundForm(double min = -1e12, double max = 1e12)
    {
        auto* layout = new QFormLayout(&widget);
        lenbox = binder.AddLength(*layout, 1089, "Stock Length:", value, min, max);
        widget.show();
    }
    CLenboxCtrl& Control() { return *static_cast<CLenboxCtrl*>(lenbox.GetControl()); }

    QWidget widget;
    double value = 0.0;
    FormBinder binder;
    CLenbox lenbox;
};

} // namespace

// A limit beyond the range of lengths stands for the whole range, and the masks grow so that
// every length of the range can be typed.
TEST_F(LengthFieldsTest, LimitsAreKeptInTheRangeOfLengthsAndWidenTheMasks)
{
    struct Case {
        double min, max;
        double controlMin, controlMax;
        const char* feet;
        const char* inch;
        const char* metric;
    } cases[] = {
        {-1e12, 1e12, -1e6, 1e6, "99999'99\"99/99", "9999990.099999", "99999990"},
        {0, 999999, 0, 999999, "99999'99\"99/99", "999990.099999", "99999990"},
        {0, 1200, 0, 1200, "999'99\"99/99", "9990.099999", "99990"},   // 100 ft needs three feet digits
        {-12, 12, -12, 12, "99'99\"99/99", "9990.099999", "99990"},    // the defaults already hold it
    };
    for (const Case& c : cases) {
        BoundForm form(c.min, c.max);
        EXPECT_EQ(form.Control().GetMinInches(), c.controlMin) << c.max;
        EXPECT_EQ(form.Control().GetMaxInches(), c.controlMax) << c.max;
        EXPECT_EQ(form.Control().GetFormatFeet().toStdString(), c.feet) << c.max;
        EXPECT_EQ(form.Control().GetFormatInch().toStdString(), c.inch) << c.max;
        EXPECT_EQ(form.Control().GetFormatMetric().toStdString(), c.metric) << c.max;
    }
    CLenboxCtrl control;
    ASSERT_TRUE(control.SetFormatFeet("99\"99/99"));   // no feet field: the inch field grows
    CLenbox(&control).SetLimits(0, 1440);
    EXPECT_EQ(control.GetFormatFeet().toStdString(), "9999\"99/99");
}

TEST_F(LengthFieldsTest, A120FootLengthIsTypedInFeetAndInEveryOtherForm)
{
    struct Case {
        int system;
        const char* keys;
    } cases[] = {{0, "120'"}, {1, "1440"}, {2, "36576"}};
    for (const Case& c : cases) {
        BoundForm form;
        auto* other = new QWidget(&form.widget);   // where the focus goes afterwards
        other->setFocusPolicy(Qt::StrongFocus);
        form.widget.layout()->addWidget(other);
        form.binder.Load();
        form.binder.SetDimensionType(form.lenbox, c.system);
        form.widget.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form.widget));
        form.Control().setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&form.Control(), c.keys);
        other->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(form.binder.Store()) << c.keys;
        EXPECT_NEAR(form.value, 1440.0, 1e-9) << c.keys;
        EXPECT_TRUE(form.Control().GetFeetInchFracString().contains("120'")) << c.keys;
    }
}

// Every caller of a length control, shown a length and then one the control cannot hold: the
// control shows the nearest length it can hold, never the one shown before, and what the caller
// keeps is what it shows.
TEST_F(LengthFieldsTest, AfterARefusedSetCallersShowTheControlsRealValue)
{
    struct Shown {
        double shown;
        std::optional<double> kept;   // what the caller hands on afterwards, untouched by the user
    };
    struct Caller {
        const char* name;
        std::function<Shown(double first, double second)> show;
    } callers[] = {
        {"length dialog",
         [](double first, double second) {
             CDimDlg dialog;
             dialog.SetLength(first);
             dialog.open();
             dialog.SetLength(second);
             dialog.open();
             const double shown = dialog.GetLenbox().GetDecimalInches();
             dialog.accept();
             return Shown{shown, dialog.GetLength()};
         }},
        {"bound form",
         [](double first, double second) {
             BoundForm form;
             form.value = first;
             form.binder.Load();
             form.value = second;
             form.binder.Load();
             const double shown = form.lenbox.GetDecimalInches();
             EXPECT_TRUE(form.binder.Store());
             return Shown{shown, form.value};
         }},
        {"stock dialog",
         [](double first, double second) {
             CAMultStockInfoDlg dialog(nullptr, 0, 0);
             CAMultStockInfoDlg::Values values;
             values.length = first;
             dialog.SetValues(values);
             values.length = second;
             dialog.SetValues(values);
             const double shown = Length(dialog, CAMultStockInfoDlg::IDC_LENGTH).GetDecimalInches();
             dialog.accept();
             return Shown{shown, dialog.GetValues().length};
         }},
    };
    struct Case {
        double second;
        double shown;
    } cases[] = {
        {2e6, 1e6},             // beyond the range of lengths: its end
        {-2e6, -1e6},
        {std::nan(""), 0.0},
        {1440.0, 1440.0},       // wider than the default masks: held in full
    };
    for (const Caller& caller : callers) {
        for (const Case& c : cases) {
            const Shown result = caller.show(30.5, c.second);
            EXPECT_EQ(result.shown, c.shown) << caller.name << " " << c.second;
            if (result.kept) {
                EXPECT_EQ(*result.kept, c.shown) << caller.name << " " << c.second;
            }
        }
    }
}

TEST_F(LengthFieldsTest, TheStockDialogTakesA120FootStockLength)
{
    CAMultStockInfoDlg dialog(nullptr, 0, 0);
    dialog.SetValues({});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    CLenboxCtrl& length = Length(dialog, CAMultStockInfoDlg::IDC_LENGTH);
    length.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&length, "120'");
    Length(dialog, CAMultStockInfoDlg::IDC_KERF).setFocus(Qt::TabFocusReason);   // leaving keeps it
    dialog.accept();
    EXPECT_EQ(dialog.GetValues().length, 1440.0);
}
