#pragma once
// The lower pane of the part programming window: one tab per face of the part's profile, each
// page a face view of the part. Tab and Shift+Tab cycle through the faces from anywhere in the
// pane; the page shown is the current face.

#include "model/PartShape.h"

#include <QWidget>

#include <vector>

class CFaceView;
class CPartDoc;
class DetailSettings;
class QTabBar;
class QTabWidget;

class CTabView : public QWidget {
    Q_OBJECT
public:
    CTabView(CPartDoc& doc, DetailSettings& details, QWidget* parent = nullptr);

    // Adds a tab and its face view at the end; the first one added becomes current.
    CFaceView* AddView(const FaceTab& tab);
    // Makes the page current and tells the frame (PageSelected). An index without a page is ignored.
    void SelectPage(int index);
    // The face views of the part's shape, then the "Web" tab (the second) when there is one,
    // else the only one. A part without a profile gets no tab and selects none.
    void OnInitialUpdate();
    // Tab: the next face (after the last the first); backward: the previous one.
    void NextPage(bool backward);

    int GetPageCount() const { return int(pages_.size()); }
    int GetCurrentPage() const { return current_; }
    CFaceView* GetPage(int index) const;
    QTabBar& TabBar() const;

signals:
    void PageSelected(CFaceView* view);
    // The current page took another tool (chosen or dropped); the face and its pattern stay.
    void CurrentToolChanged(CFaceView* view);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    CPartDoc& doc_;
    DetailSettings& details_;
    QTabWidget* tabs_;
    std::vector<CFaceView*> pages_;
    int current_ = -1;
};
