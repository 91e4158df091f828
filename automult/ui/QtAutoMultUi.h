#pragma once
// The engine's dialogs and progress window in Qt. The object lives on the user-interface thread
// (the thread that creates it); the engine may call it from its worker thread. The two dialogs
// run modally on the user-interface thread while the worker waits for the answer; the progress
// calls are queued and never wait, so a user-interface thread that waits for the worker cannot
// deadlock on them (it must not wait while a dialog is due, though).

#include "automult/AutoMultUi.h"

#include <QObject>
#include <functional>
#include <memory>

class QDialog;
class CPartProgressDlg;

class CQtAutoMultUi : public QObject, public IAutoMultUi {
    Q_OBJECT
public:
    explicit CQtAutoMultUi(QObject* parent = nullptr);
    ~CQtAutoMultUi() override;

    std::optional<std::string> AskAllowableDrop(const std::string& machineDrop,
                                                const std::string& allowableDrop) override;
    AMProblemChoice ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                    const std::vector<AMPartRow>& tooManyTools) override;
    void ProgressBegin(std::stop_source cancel) override;
    void ProgressPercent(int percent) override;
    void ProgressMults(int made) override;
    void ProgressEnd() override;

    // The progress window while a search runs, else nullptr (user-interface thread only).
    CPartProgressDlg* ProgressWindow() const { return progress_.get(); }

protected:
    // Runs a dialog modally over the active window and returns its result.
    virtual int RunModal(QDialog& dialog);

private:
    // Runs fn on the user-interface thread and waits for it; fallback when it could not run.
    template <class T> T Ask(T fallback, std::function<T()> fn);
    // Runs fn on the user-interface thread without waiting.
    void Post(std::function<void()> fn);

    std::unique_ptr<CPartProgressDlg> progress_;
};
