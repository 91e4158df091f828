#include "navigator/ui/TreeItem.h"

#include "fw/qt/QtText.h"
#include "navigator/ui/BRAXNav.h"

CTreeItem::CTreeItem(CBRAXNav& control, nav::ItemSpec spec) : QTreeWidgetItem(kType), control_(control), spec_(std::move(spec))
{
    setText(0, fw::ToQString(spec_.text));
    control_.ItemCreated(this);
}

CTreeItem::~CTreeItem() { control_.ItemDestroyed(this); }

void CTreeItem::SetText(const std::string& text)
{
    spec_.text = text;
    setText(0, fw::ToQString(text));
}
