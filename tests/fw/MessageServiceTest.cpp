#include "fw/core/MessageService.h"

#include <gtest/gtest.h>

namespace {

struct TypeCase {
    unsigned type;
    std::vector<int> buttons;
    int defaultAnswer;
};

TEST(MessageType, ButtonsAndDefaultAnswer)
{
    const TypeCase cases[] = {
        {fw::MB_OK | fw::MB_ICONEXCLAMATION, {fw::IDOK}, fw::IDOK},
        {fw::MB_OKCANCEL | fw::MB_DEFBUTTON2, {fw::IDOK, fw::IDCANCEL}, fw::IDCANCEL},
        {fw::MB_ABORTRETRYIGNORE | fw::MB_DEFBUTTON3, {fw::IDABORT, fw::IDRETRY, fw::IDIGNORE}, fw::IDIGNORE},
        {fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION, {fw::IDYES, fw::IDNO, fw::IDCANCEL}, fw::IDYES},
        {fw::MB_YESNO | fw::MB_DEFBUTTON3, {fw::IDYES, fw::IDNO}, fw::IDYES},   // no third button
        {fw::MB_RETRYCANCEL, {fw::IDRETRY, fw::IDCANCEL}, fw::IDRETRY},
        {0x0Fu, {fw::IDOK}, fw::IDOK},                                            // unknown set
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(fw::MessageButtons(c.type), c.buttons);
        EXPECT_EQ(fw::DefaultAnswer(c.type), c.defaultAnswer);
    }
    EXPECT_EQ(fw::MessageIcon(fw::MB_YESNO | fw::MB_ICONWARNING | fw::MB_DEFBUTTON2), fw::MB_ICONWARNING);
}

TEST(MessageService, DefaultServiceIsSilentAndAnswersTheDefaultButton)
{
    EXPECT_NE(dynamic_cast<fw::SilentMessageService*>(&fw::Messages()), nullptr);
    EXPECT_EQ(fw::ShowMessage("Save changes?", fw::MB_YESNOCANCEL | fw::MB_DEFBUTTON2), fw::IDNO);
    fw::Messages().Beep();
    fw::WaitCursor wait;
}

TEST(MessageService, ScriptedAnswersInOrderAndRecordsWhatWasShown)
{
    fw::ScriptedMessages messages;
    messages->Answer(fw::IDCANCEL).Answer(fw::IDYES);

    EXPECT_EQ(fw::ShowMessage("Invalid File", fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION), fw::IDCANCEL);
    EXPECT_EQ(fw::Messages().MessageBox("Replace?", "ERROR", fw::MB_YESNO), fw::IDYES);
    fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
    fw::Messages().Beep();

    const std::vector<fw::ShownMessage> expected = {
        {"Invalid File", "Varnex", fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION, fw::IDCANCEL},
        {"Replace?", "ERROR", fw::MB_YESNO, fw::IDYES},
    };
    EXPECT_EQ(messages->Shown(), expected);
    EXPECT_EQ(messages->Beeps(), (std::vector<unsigned>{fw::MB_ICONEXCLAMATION, fw::MB_OK}));
    EXPECT_EQ(messages->UnusedAnswers(), 0u);
}

TEST(MessageService, ScriptedFailsClearlyWhenOutOfAnswersOrAnsweringAMissingButton)
{
    fw::ScriptedMessages messages;
    try {
        fw::ShowMessage("Mark B12 was not found!");
        FAIL() << "expected a script error";
    } catch (const fw::MessageScriptError& e) {
        EXPECT_NE(std::string(e.what()).find("Mark B12 was not found!"), std::string::npos);
    }
    messages->Answer(fw::IDYES);
    EXPECT_THROW(fw::ShowMessage("OK only"), fw::MessageScriptError);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST(MessageService, ScriptedCanAnswerTheDefaultButtonWhenUnscripted)
{
    fw::ScriptedMessages messages(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault);
    EXPECT_EQ(fw::ShowMessage("Retry?", fw::MB_RETRYCANCEL | fw::MB_DEFBUTTON2), fw::IDCANCEL);
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].answer, fw::IDCANCEL);
}

TEST(MessageService, WaitCursorNestsAndEndsWithItsScope)
{
    fw::ScriptedMessages messages;
    {
        fw::WaitCursor outer;
        fw::WaitCursor inner;
        EXPECT_EQ(messages->WaitCursorDepth(), 2);
    }
    EXPECT_EQ(messages->WaitCursorDepth(), 0);
    EXPECT_EQ(messages->WaitCursorCount(), 2);
}

TEST(MessageService, ScopedScriptRestoresThePreviousService)
{
    fw::MessageService* before = &fw::Messages();
    {
        fw::ScriptedMessages outer;
        {
            fw::ScriptedMessages inner;
            EXPECT_EQ(&fw::Messages(), &*inner);
        }
        EXPECT_EQ(&fw::Messages(), &*outer);
    }
    EXPECT_EQ(&fw::Messages(), before);
}

TEST(MessageService, InstallingNullInstallsASilentService)
{
    std::unique_ptr<fw::MessageService> previous = fw::SetMessageService(nullptr);
    EXPECT_NE(dynamic_cast<fw::SilentMessageService*>(&fw::Messages()), nullptr);
    fw::SetMessageService(std::move(previous));
}

TEST(MessageLines, ShowsTheFirstItemsAndCountsTheRest)
{
    const std::vector<std::string> three{"a", "b", "c"};
    EXPECT_EQ(fw::MessageLines({}), "");
    EXPECT_EQ(fw::MessageLines(three), "a\nb\nc");
    EXPECT_EQ(fw::MessageLines(three, 3), "a\nb\nc");
    EXPECT_EQ(fw::MessageLines(three, 2), "a\nb\n... and 1 more");
    EXPECT_EQ(fw::MessageLines(std::vector<std::string>(fw::kMessageLinesShown + 4, "x")).size(),
              2 * fw::kMessageLinesShown - 1 + std::string("\n... and 4 more").size());
}

} // namespace
