// The application's automult job as the program hands it over: the run it holds is known by
// identity, so that the status window of an earlier job never frees a later one.

#include "shell/ui/AutoMultJobTask.h"

#include "machmult/MultClasses.h"
#include "model/ModelClasses.h"
#include "tests/automult/ScriptedUi.h"
#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CAutoMultRun> IdleRun()
{
    return std::make_unique<CAutoMultRun>(std::make_unique<AutoMultJob>(MultRecord{}, "C:\\", CAutoMultShapeList{}));
}

TEST(AutoMultJobTaskTest, TheCurrentRunIsTheLastHandedOver)
{
    test::QtApp();
    const CAutoMultRun* current = nullptr;
    auto first = std::make_unique<CAutoMultJobTask>(IdleRun(), current);
    const CAutoMultRun* firstRun = current;
    ASSERT_NE(firstRun, nullptr);
    EXPECT_FALSE(first->IsRunning());

    auto second = std::make_unique<CAutoMultJobTask>(IdleRun(), current);
    const CAutoMultRun* secondRun = current;
    EXPECT_NE(secondRun, firstRun);
    first.reset();   // an earlier job going leaves the later one current
    EXPECT_EQ(current, secondRun);
    second->RequestStop();
    second->Join();
    second.reset();
    EXPECT_EQ(current, nullptr);
}

TEST(AutoMultJobTaskTest, WaitingForTheWorkerStillAnswersItsQuestions)
{
    test::QtApp();
    RegisterModelClasses();
    RegisterMultClasses();
    // One stock choice without parts: the engine asks for the allowable drop, through this thread.
    CAutoMultShapeList choices;
    CAutoMultShape& choice = choices.FindOrInsert("W", "12X26", "A36");
    choice.SetShape(CMultShape::Create(0), 0);
    MachineRecord record;
    record.kind = machineSawShear;
    record.maximumStock = 600.0;
    record.materialTypes[materialBeam] = 1;
    auto machine = CMachine::CreateOfKind(machineSawShear);
    machine->SetMachineRecord(record);
    choice.SetMachine(std::move(machine));
    choice.GetStockLength() = 480.0;

    auto run = std::make_unique<CAutoMultRun>(std::make_unique<AutoMultJob>(MultRecord{}, "C:\\", std::move(choices)));
    auto ui = std::make_shared<ScriptedUi>();
    ASSERT_TRUE(run->Begin(ui));
    const CAutoMultRun* current = nullptr;
    CAutoMultJobTask task(std::move(run), current);
    task.Join();   // the exit check's "finish first"
    EXPECT_FALSE(task.IsRunning());
    EXPECT_EQ(ui->conditions.size(), 1u);
}

} // namespace
