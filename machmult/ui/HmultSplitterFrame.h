#pragma once
// The hand-mult window of a mult: the "Hand Mult Information" view on the left; on the right the
// parts that may go on the mult above the parts on it. It asks where the parts come from when it
// opens, moves parts dropped on either list, starts the next mult of a series (Save/New) and
// keeps its size, place and splits in the profile's "Layout" section.

#include "machmult/HandMultSession.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CMultDoc;
class QAction;
class QSplitter;

namespace machui {

class CHandMultView;
class CMultPartListView;
class CPotentialPartListView;

class CHmultSplitterFrame : public QMainWindow {
    Q_OBJECT
public:
    enum Command { ID_FILE_SAVE = 57603, ID_FILE_SAVE_NEW = 32822 };
    static constexpr const char* kLayoutSection = "Layout";

    // How every hand-mult window asks whether to copy a part file from another drive (the
    // program's Yes/No/All question); until set, such files are left out.
    static void SetCopyQuestion(HandMultSession::CopyQuestion ask);

    explicit CHmultSplitterFrame(CMultDoc& doc, QWidget* parent = nullptr);
    ~CHmultSplitterFrame() override;

    // The second half of opening: the "Hand Mult Setup" question and the parts it names, then
    // the parts already on the mult.
    void Start();

    HandMultSession& Session() const { return *session_; }
    CHandMultView& HandMultView() const { return *handMultView_; }
    CPotentialPartListView& PotentialView() const { return *potentialView_; }
    CMultPartListView& MultView() const { return *multView_; }
    QAction* Action(int command) const;

    // Parts dropped on one of the lists (the drop handler of both); how many of a part to move is
    // asked with the part quantity dialog.
    void DropParts(std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode, int position, PartListKind target);
    void OnFileSave();
    void OnFileSaveNew();

    // "Hmult split pane", "Hmult Split Row" and "HMultView" ("left,top,width,height"); the place
    // is taken again only while "Retain Hand Mult Window Position" is 1.
    void SaveLayout() const;
    void RestoreLayout();
    // The window is closing: its layout is stored.
    void OnClose();

private:
    QWidget& Host() const;
    void AddCommand(int command, const char* text, void (CHmultSplitterFrame::*handler)(), const char* name);
    std::optional<std::uint32_t> AskQuantity(const std::string& label, std::uint32_t proposal);

    CMultDoc& doc_;
    std::unique_ptr<HandMultSession> session_;
    QSplitter* outer_;
    QSplitter* inner_;
    CHandMultView* handMultView_;
    CPotentialPartListView* potentialView_;
    CMultPartListView* multView_;
    std::map<int, QAction*> actions_;
};

} // namespace machui
