#pragma once
// Message boxes, beeps, the wait cursor and the progress of long work all go through one
// process-wide message service,
// so that windowless runs never block on a modal box and tests can script the user's answers.

#include "fw/core/FwCoreExport.h"
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

// Button sets (the low four bits of a message type).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
// Icons (also the sounds of Beep).
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
// Default button (the first one unless one of these is given).
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Caption of the program's own messages.
inline constexpr const char* kMessageCaption = "Varnex";

// The answers of the buttons a message type shows, in display order. An unknown button set
// shows OK alone.
FW_CORE_EXPORT std::vector<int> MessageButtons(unsigned type);
// The answer of the default button; a default button beyond the last one falls back to the first.
FW_CORE_EXPORT int DefaultAnswer(unsigned type);
// The icon part of a message type (0 for none).
inline constexpr unsigned MessageIcon(unsigned type) { return type & 0xF0u; }

class FW_CORE_EXPORT MessageService {
public:
    virtual ~MessageService() = default;

    // Shows a modal message box and returns the answer (IDOK ... IDNO).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // Sounds the system sound of an icon type (MB_OK: the default sound).
    virtual void Beep(unsigned sound = MB_OK) = 0;
    // Nested: the cursor is back to normal after as many ends as begins.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Long work of total steps under a title, with a Stop button; shown only once the work has
    // lasted a moment. StepProgress tells the steps done and the item now at work and answers
    // false once the user has asked to stop. Not nested. Without a window nothing is shown and
    // nothing stops.
    virtual void BeginProgress(const std::string& title, int total);
    virtual bool StepProgress(int done, const std::string& item);
    virtual void EndProgress();
};

// The current service; a SilentMessageService until one is installed.
FW_CORE_EXPORT MessageService& Messages();
// Installs a service (null installs a silent one) and returns the one it replaces.
FW_CORE_EXPORT std::unique_ptr<MessageService> SetMessageService(std::unique_ptr<MessageService> service);

// A list for a message, one item a line: the first `most` items, then "... and N more", so that
// a long list never runs off the screen.
inline constexpr std::size_t kMessageLinesShown = 20;
FW_CORE_EXPORT std::string MessageLines(const std::vector<std::string>& lines, std::size_t most = kMessageLinesShown);

// A message box with the program's caption on the current service.
FW_CORE_EXPORT int ShowMessage(const std::string& text, unsigned type = MB_OK);

// Shows the wait cursor on the current service for its lifetime.
class FW_CORE_EXPORT WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    MessageService& service_;
};

// Shows the progress of long work on the current service for its lifetime.
class FW_CORE_EXPORT Progress {
public:
    Progress(const std::string& title, int total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // False once the user has asked to stop.
    bool Step(int done, const std::string& item);

private:
    MessageService& service_;
};

// Shows nothing and never blocks: every box answers its default button. Used without windows
// (server and conversion runs) and until the program installs its own service.
class FW_CORE_EXPORT SilentMessageService : public MessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned sound = MB_OK) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
};

// A message box the script did not expect, or an answer the box does not offer.
class FW_CORE_EXPORT MessageScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

struct FW_CORE_EXPORT ShownMessage {
    std::string text;
    std::string caption;
    unsigned type = MB_OK;
    int answer = 0;
    bool operator==(const ShownMessage&) const = default;
};

// Test double: records what was shown and answers from a script.
class FW_CORE_EXPORT ScriptedMessageService : public MessageService {
public:
    enum class WhenUnscripted { Throw, AnswerDefault };

    explicit ScriptedMessageService(WhenUnscripted whenUnscripted = WhenUnscripted::Throw);

    // Queues answers for the next boxes, in order.
    ScriptedMessageService& Answer(int answer);
    // The user asks to stop long work when it tells the given number of steps done.
    void StopProgressAt(int done) { stopAt_ = done; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned sound = MB_OK) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void BeginProgress(const std::string& title, int total) override;
    bool StepProgress(int done, const std::string& item) override;

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    // Each progress as "title (total)", then each step as "done: item".
    const std::vector<std::string>& ProgressLog() const { return progress_; }
    const std::vector<unsigned>& Beeps() const { return beeps_; }
    std::size_t UnusedAnswers() const { return answers_.size(); }
    int WaitCursorDepth() const { return waitDepth_; }
    int WaitCursorCount() const { return waitCount_; }   // how many times it was begun

private:
    WhenUnscripted whenUnscripted_;
    std::deque<int> answers_;
    std::vector<ShownMessage> shown_;
    std::vector<unsigned> beeps_;
    int waitDepth_ = 0;
    int waitCount_ = 0;
    std::vector<std::string> progress_;
    int stopAt_ = -1;
};

// Installs a ScriptedMessageService for a scope and puts the previous service back at its end.
class FW_CORE_EXPORT ScriptedMessages {
public:
    explicit ScriptedMessages(
        ScriptedMessageService::WhenUnscripted whenUnscripted = ScriptedMessageService::WhenUnscripted::Throw);
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    ScriptedMessageService& operator*() const { return *service_; }
    ScriptedMessageService* operator->() const { return service_; }

private:
    ScriptedMessageService* service_;
    std::unique_ptr<MessageService> previous_;
};

} // namespace fw
