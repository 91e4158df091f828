#include "partprog/ui/TabView.h"

#include "fw/qt/QtText.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/FaceView.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CTabView::CTabView(CPartDoc& doc, DetailSettings& details, QWidget* parent)
    : QWidget(parent), doc_(doc), details_(details), tabs_(new QTabWidget(this))
{
    setObjectName("CTabView");
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != current_)
            SelectPage(index);
    });
}

CFaceView* CTabView::AddView(const FaceTab& tab)
{
    auto* view = new CFaceView(doc_, tab, details_, tabs_);
    connect(view, &CFaceView::TabPressed, this, &CTabView::NextPage);
    connect(view, &CFaceView::FaceToolChanged, this, [this](CFaceView* changed) {
        if (GetPage(current_) == changed)
            emit CurrentToolChanged(changed);
    });
    pages_.push_back(view);
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->addTab(view, fw::ToQString(tab.label));
    }
    view->OnInitialUpdate();
    if (pages_.size() == 1)
        current_ = 0;
    return view;
}

QTabBar& CTabView::TabBar() const { return *tabs_->tabBar(); }

CFaceView* CTabView::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages_[std::size_t(index)] : nullptr;
}

void CTabView::SelectPage(int index)
{
    CFaceView* page = GetPage(index);
    if (!page)
        return;
    current_ = index;
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(index);
    }
    page->viewport()->update();
    emit PageSelected(page);
}

void CTabView::OnInitialUpdate()
{
    if (CPartShape* shape = doc_.GetPartShape())
        for (const FaceTab& tab : shape->DescribeFaceViews())
            AddView(tab);
    if (pages_.empty())
        return;
    SelectPage(GetPageCount() > 1 ? 1 : 0);
}

void CTabView::NextPage(bool backward)
{
    const int count = GetPageCount();
    if (count == 0)
        return;
    const int next = backward ? (current_ + count - 1) % count : (current_ + 1) % count;
    SelectPage(next);
    if (CFaceView* page = GetPage(current_))
        page->setFocus();
}

bool CTabView::focusNextPrevChild(bool next)
{
    NextPage(!next);
    return true;
}
