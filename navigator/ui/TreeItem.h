#pragma once
// A node of the navigator tree: what it is (kind, text, path, pattern) and the control it belongs
// to, which it tells when it goes so that nothing keeps pointing at it.

#include "navigator/NavigatorExport.h"
#include "navigator/ItemSpec.h"

#include <QTreeWidgetItem>

class CBRAXNav;

class NAVIGATOR_EXPORT CTreeItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    CTreeItem(CBRAXNav& control, nav::ItemSpec spec);
    ~CTreeItem() override;

    const nav::ItemSpec& Spec() const { return spec_; }
    nav::ItemKind Kind() const { return spec_.kind; }
    const std::string& Path() const { return spec_.path; }
    void SetText(const std::string& text);
    CTreeItem* ParentItem() const { return static_cast<CTreeItem*>(parent()); }
    CTreeItem* Child(int index) const { return static_cast<CTreeItem*>(child(index)); }

private:
    CBRAXNav& control_;
    nav::ItemSpec spec_;
};
