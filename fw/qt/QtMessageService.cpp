#include "fw/qt/QtMessageService.h"

#include "fw/qt/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <algorithm>

namespace fw {

namespace {

struct ButtonAnswer {
    int answer;
    QMessageBox::StandardButton button;
};

constexpr ButtonAnswer kButtons[] = {
    {IDOK, QMessageBox::Ok},         {IDCANCEL, QMessageBox::Cancel}, {IDABORT, QMessageBox::Abort},
    {IDRETRY, QMessageBox::Retry},   {IDIGNORE, QMessageBox::Ignore}, {IDYES, QMessageBox::Yes},
    {IDNO, QMessageBox::No},
};

} // namespace

QMessageBox::Icon MessageBoxIcon(unsigned type)
{
    switch (MessageIcon(type)) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton MessageBoxButton(int answer)
{
    for (const ButtonAnswer& b : kButtons)
        if (b.answer == answer)
            return b.button;
    return QMessageBox::NoButton;
}

int MessageBoxAnswer(QMessageBox::StandardButton button)
{
    for (const ButtonAnswer& b : kButtons)
        if (b.button == button)
            return b.answer;
    return 0;
}

std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(ToQString(caption));
    box->setText(ToQString(text));
    box->setIcon(MessageBoxIcon(type));
    for (int answer : MessageButtons(type))
        box->addButton(MessageBoxButton(answer));
    box->setDefaultButton(MessageBoxButton(DefaultAnswer(type)));
    return box;
}

int QtMessageService::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    std::unique_ptr<QMessageBox> box = CreateMessageBox(text, caption, type);
    box->exec();
    int answer = MessageBoxAnswer(box->standardButton(box->clickedButton()));
    // Closed without a button: Cancel where there is one, else the default button.
    if (answer == 0) {
        std::vector<int> buttons = MessageButtons(type);
        bool hasCancel = std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end();
        answer = hasCancel ? IDCANCEL : DefaultAnswer(type);
    }
    return answer;
}

void QtMessageService::Beep(unsigned)
{
    QApplication::beep();
}

void QtMessageService::BeginWaitCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++waitDepth_;
}

void QtMessageService::BeginProgress(const std::string& title, int total)
{
    EndProgress();
    progress_ = new QProgressDialog(QString(), "&Stop", 0, total, QApplication::activeWindow());
    progress_->setWindowTitle(ToQString(title));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(500);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
}

bool QtMessageService::StepProgress(int done, const std::string& item)
{
    if (!progress_)
        return true;
    progress_->setLabelText(ToQString(item));
    progress_->setValue(done);   // lets the dialog show and take the Stop click
    return !progress_->wasCanceled();
}

void QtMessageService::EndProgress() { delete progress_.data(); }

void QtMessageService::EndWaitCursor()
{
    if (waitDepth_ == 0)
        return;
    --waitDepth_;
    QApplication::restoreOverrideCursor();
}

} // namespace fw
