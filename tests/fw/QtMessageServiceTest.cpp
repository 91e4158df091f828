#include "fw/qt/QtMessageService.h"
#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

namespace {

TEST(QtMessageService, BuildsTheBoxOfAMessageType)
{
    test::QtApp();
    struct Case {
        unsigned type;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    const Case cases[] = {
        {fw::MB_OK, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        {fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION | fw::MB_DEFBUTTON2, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
        {fw::MB_ABORTRETRYIGNORE | fw::MB_ICONERROR | fw::MB_DEFBUTTON3, QMessageBox::Critical,
         QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Ignore},
        {fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
        {fw::MB_YESNO | fw::MB_ICONINFORMATION | fw::MB_DEFBUTTON2, QMessageBox::Information,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {fw::MB_RETRYCANCEL, QMessageBox::NoIcon, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        std::unique_ptr<QMessageBox> box = fw::CreateMessageBox("Invalid File", "Varnex", c.type);
        EXPECT_EQ(box->text(), "Invalid File");
        EXPECT_EQ(box->windowTitle(), "Varnex");
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
    }
}

TEST(QtMessageService, MapsEveryAnswerToAButtonAndBack)
{
    for (int answer = fw::IDOK; answer <= fw::IDNO; ++answer)
        EXPECT_EQ(fw::MessageBoxAnswer(fw::MessageBoxButton(answer)), answer);
    EXPECT_EQ(fw::MessageBoxAnswer(QMessageBox::Help), 0);
    EXPECT_EQ(fw::MessageBoxButton(99), QMessageBox::NoButton);
}

TEST(QtMessageService, KeepsEightBitTextBytes)
{
    test::QtApp();
    std::unique_ptr<QMessageBox> box = fw::CreateMessageBox("Width 3\xBD\"", "Varnex", fw::MB_OK);
    EXPECT_EQ(box->text(), QString::fromUtf8("Width 3\u00BD\""));
}

// Clicks a button of the modal box once it is up.
void ClickWhenShown(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
    });
}

TEST(QtMessageService, ShowsAModalBoxAndReturnsTheClickedAnswer)
{
    test::QtApp();
    fw::QtMessageService service;
    ClickWhenShown(QMessageBox::No);
    EXPECT_EQ(service.MessageBox("Replace the file?", "Varnex", fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION), fw::IDNO);
}

TEST(QtMessageService, ClosedWithoutAButtonAnswersCancelOrTheDefault)
{
    test::QtApp();
    fw::QtMessageService service;
    for (auto [type, expected] : {std::pair{fw::MB_OKCANCEL, fw::IDCANCEL},
                                  std::pair{fw::MB_ABORTRETRYIGNORE | fw::MB_DEFBUTTON2, fw::IDRETRY}}) {
        QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
        EXPECT_EQ(service.MessageBox("Stop?", "Varnex", type), expected);
    }
}

// The progress window among the top-level windows, if any.
QProgressDialog* ShownProgress()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(widget))
            return progress;
    return nullptr;
}

TEST(QtMessageService, ProgressShowsTheItemAndAnswersFalseOnceStopIsClicked)
{
    test::QtApp();
    fw::QtMessageService service;
    service.BeginProgress("Copying Files", 10);
    QProgressDialog* dialog = ShownProgress();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Copying Files");
    EXPECT_TRUE(service.StepProgress(3, "C:\\A\\one.prt"));
    EXPECT_EQ(dialog->labelText(), "C:\\A\\one.prt");
    EXPECT_EQ(dialog->value(), 3);
    dialog->cancel();
    EXPECT_FALSE(service.StepProgress(4, "C:\\A\\two.prt"));
    service.EndProgress();
    EXPECT_EQ(ShownProgress(), nullptr);
}

TEST(QtMessageService, WaitCursorNestsAndIgnoresAnExtraEnd)
{
    test::QtApp();
    fw::QtMessageService service;
    service.BeginWaitCursor();
    service.BeginWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    service.EndWaitCursor();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    service.EndWaitCursor();
    service.EndWaitCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
