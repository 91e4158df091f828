#pragma once
// The simulator's plain window: the jobs received with their parts, the call log, the run status
// to answer with, and a button for each callback.

#include "machlink/SimulatedMachine.h"

#include <QMainWindow>

class QPlainTextEdit;
class QTreeWidget;

class MachineSideWindow : public QMainWindow {
public:
    explicit MachineSideWindow(torv::SimulatedMachine& machine, QWidget* parent = nullptr);

    void AddLogLine(const QString& line);
    // Lists the jobs run so far.
    void ShowJobs();

private:
    torv::SimulatedMachine& machine_;
    QTreeWidget* jobs_;
    QPlainTextEdit* log_;
};
