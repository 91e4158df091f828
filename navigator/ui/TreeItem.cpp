#include "navigator/ui/TreeItem.h"

#include "fw/qt/QtText.h"
#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/ItemIcons.h"

CTreeItem::CTreeItem(CBRAXNav& control, nav::ItemSpec spec) : QTreeWidgetItem(kType), control_(control), spec_(std::move(spec))
{
    setText(0, fw::ToQString(spec_.text));
    setIcon(0, NavImageIcon(spec_.kind == nav::ItemKind::drive ? nav::DriveImage(spec_.driveType)
                                                               : nav::InfoOf(spec_.kind).image));
    control_.ItemCreated(this);
}

CTreeItem::~CTreeItem() { control_.ItemDestroyed(this); }

void CTreeItem::SetText(const std::string& text)
{
    spec_.text = text;
    setText(0, fw::ToQString(text));
}
