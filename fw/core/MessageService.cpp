#include "fw/core/MessageService.h"

#include <algorithm>
#include <mutex>

namespace fw {

namespace {

std::mutex currentMutex;

std::unique_ptr<MessageService>& Current()
{
    static std::unique_ptr<MessageService> current = std::make_unique<SilentMessageService>();
    return current;
}

} // namespace

std::vector<int> MessageButtons(unsigned type)
{
    switch (type & 0x0Fu) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

int DefaultAnswer(unsigned type)
{
    std::vector<int> buttons = MessageButtons(type);
    std::size_t index = (type & MB_DEFBUTTON3) ? 2 : (type & MB_DEFBUTTON2) ? 1 : 0;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

MessageService& Messages()
{
    std::lock_guard lock(currentMutex);
    return *Current();
}

std::unique_ptr<MessageService> SetMessageService(std::unique_ptr<MessageService> service)
{
    if (!service)
        service = std::make_unique<SilentMessageService>();
    std::lock_guard lock(currentMutex);
    Current().swap(service);
    return service;
}

std::string MessageLines(const std::vector<std::string>& lines, std::size_t most)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    if (lines.size() > most)
        text += "\n... and " + std::to_string(lines.size() - most) + " more";
    return text;
}

int ShowMessage(const std::string& text, unsigned type)
{
    return Messages().MessageBox(text, kMessageCaption, type);
}

WaitCursor::WaitCursor() : service_(Messages())
{
    service_.BeginWaitCursor();
}

WaitCursor::~WaitCursor()
{
    service_.EndWaitCursor();
}

void MessageService::BeginProgress(const std::string&, int) {}
bool MessageService::StepProgress(int, const std::string&) { return true; }
void MessageService::EndProgress() {}

Progress::Progress(const std::string& title, int total) : service_(Messages())
{
    service_.BeginProgress(title, total);
}

Progress::~Progress()
{
    service_.EndProgress();
}

bool Progress::Step(int done, const std::string& item) { return service_.StepProgress(done, item); }

int SilentMessageService::MessageBox(const std::string&, const std::string&, unsigned type)
{
    return DefaultAnswer(type);
}

void SilentMessageService::Beep(unsigned) {}
void SilentMessageService::BeginWaitCursor() {}
void SilentMessageService::EndWaitCursor() {}

ScriptedMessageService::ScriptedMessageService(WhenUnscripted whenUnscripted) : whenUnscripted_(whenUnscripted) {}

ScriptedMessageService& ScriptedMessageService::Answer(int answer)
{
    answers_.push_back(answer);
    return *this;
}

int ScriptedMessageService::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    int answer = 0;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else if (whenUnscripted_ == WhenUnscripted::AnswerDefault) {
        answer = DefaultAnswer(type);
    } else {
        throw MessageScriptError("message box without a scripted answer: \"" + text + "\"");
    }
    std::vector<int> buttons = MessageButtons(type);
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
        throw MessageScriptError("scripted answer " + std::to_string(answer) + " is not a button of \"" + text + "\"");
    shown_.push_back({text, caption, type, answer});
    return answer;
}

void ScriptedMessageService::Beep(unsigned sound)
{
    beeps_.push_back(sound);
}

void ScriptedMessageService::BeginWaitCursor()
{
    ++waitDepth_;
    ++waitCount_;
}

void ScriptedMessageService::EndWaitCursor()
{
    if (waitDepth_ > 0)
        --waitDepth_;
}

void ScriptedMessageService::BeginProgress(const std::string& title, int total)
{
    progress_.push_back(title + " (" + std::to_string(total) + ")");
}

bool ScriptedMessageService::StepProgress(int done, const std::string& item)
{
    progress_.push_back(std::to_string(done) + ": " + item);
    return done != stopAt_;
}

ScriptedMessages::ScriptedMessages(ScriptedMessageService::WhenUnscripted whenUnscripted)
{
    auto service = std::make_unique<ScriptedMessageService>(whenUnscripted);
    service_ = service.get();
    previous_ = SetMessageService(std::move(service));
}

ScriptedMessages::~ScriptedMessages()
{
    SetMessageService(std::move(previous_));
}

} // namespace fw
