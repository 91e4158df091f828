#include "automult/ui/QtAutoMultUi.h"

#include "automult/ui/ConditionDlg.h"
#include "automult/ui/MultProblemDlg.h"
#include "automult/ui/PartProgressDlg.h"
#include "fw/qt/QtText.h"

#include <QApplication>
#include <QThread>

CQtAutoMultUi::CQtAutoMultUi(QObject* parent) : QObject(parent) {}

CQtAutoMultUi::~CQtAutoMultUi() = default;

template <class T> T CQtAutoMultUi::Ask(T fallback, std::function<T()> fn)
{
    if (QThread::currentThread() == thread())
        return fn();
    T answer = std::move(fallback);
    QMetaObject::invokeMethod(this, [&] { answer = fn(); }, Qt::BlockingQueuedConnection);
    return answer;
}

void CQtAutoMultUi::Post(std::function<void()> fn)
{
    if (QThread::currentThread() == thread())
        fn();
    else
        QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

int CQtAutoMultUi::RunModal(QDialog& dialog) { return dialog.exec(); }

std::optional<std::string> CQtAutoMultUi::AskAllowableDrop(const std::string& machineDrop,
                                                           const std::string& allowableDrop)
{
    return Ask<std::optional<std::string>>(std::nullopt, [&]() -> std::optional<std::string> {
        CConditionDlg dialog(fw::ToQString(machineDrop), fw::ToQString(allowableDrop), QApplication::activeWindow());
        if (RunModal(dialog) != 1)
            return std::nullopt;
        return fw::FromQString(dialog.AllowableDropText());
    });
}

AMProblemChoice CQtAutoMultUi::ResolveProblems(const std::vector<AMPartRow>& tooLong,
                                               const std::vector<AMPartRow>& tooManyTools)
{
    return Ask<AMProblemChoice>(AMProblemChoice::CancelMulting, [&] {
        CMultProblemDlg dialog(tooLong, tooManyTools, QApplication::activeWindow());
        const int result = RunModal(dialog);
        return result == 1 || result == CMultProblemDlg::IDC_MULT ? AMProblemChoice(result)
                                                                  : AMProblemChoice::CancelMulting;
    });
}

void CQtAutoMultUi::ProgressBegin(std::stop_source cancel)
{
    Post([this, cancel] {
        progress_ = std::make_unique<CPartProgressDlg>(cancel);
        progress_->show();
    });
}

void CQtAutoMultUi::ProgressPercent(int percent)
{
    Post([this, percent] {
        if (progress_)
            progress_->SetPercent(percent);
    });
}

void CQtAutoMultUi::ProgressMults(int made)
{
    Post([this, made] {
        if (progress_)
            progress_->SetMults(made);
    });
}

void CQtAutoMultUi::ProgressEnd()
{
    Post([this] { progress_.reset(); });
}
