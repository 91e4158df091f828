#pragma once
// The small icons of the navigator's items, drawn from the library's own SVG files
// (resources/BRAXNavigator/icons). The program's report window shows the same icons for files.

#include "navigator/NavigatorExport.h"

#include <QIcon>

// The icon of an item image number (nav::InfoOf(kind).image, nav::DriveImage); a plain folder
// for a number no item uses.
NAVIGATOR_EXPORT QIcon NavImageIcon(int image);
